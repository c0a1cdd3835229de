// Folders, addresses and paths as a Linux desktop has them.
#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#include "toolkit/backend.h"
#include "toolkit/qt/qt_backend.h"

namespace tk::backend {

using namespace tk::qt;

// The XDG base directory rule: $XDG_CONFIG_HOME when it is an absolute path,
// else $HOME/.config.
std::u16string AppDataFolder() {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.startsWith(u'/')) return QtText(config);
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) return {};
    return QtText(home + QStringLiteral("/.config"));
}

void OpenAddress(const std::u16string& address) {
    const QString text = QtString(address);
    QDesktopServices::openUrl(text.startsWith(u'/') ? QUrl::fromLocalFile(text) : QUrl(text));
}

char16_t PathSeparator() {
    return u'/';
}

std::u16string ExecutableFolder() {
    return QtText(QCoreApplication::applicationDirPath());
}

}  // namespace tk::backend
