// Makes file permissions bind this thread while it lives, even when the tests
// run as the superuser (as CI does): the capabilities that override them are
// taken out of its effective set, and put back at the end.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class PermissionsBind {
  public:
    PermissionsBind() {
        if (syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        for (int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            lowered[capability / 32].effective &= ~(1u << (capability % 32));
        active_ = syscall(SYS_capset, &header_, lowered) == 0;
    }
    ~PermissionsBind() {
        if (active_) syscall(SYS_capset, &header_, saved_);
    }
    PermissionsBind(const PermissionsBind&) = delete;
    PermissionsBind& operator=(const PermissionsBind&) = delete;

    // False when the capabilities could not be lowered; a superuser then
    // still writes anywhere.
    bool Active() const { return active_ || geteuid() != 0; }

  private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool active_ = false;
};
