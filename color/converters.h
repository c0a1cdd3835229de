// The handlers of the two converter panels' "Convert Color" buttons.
#pragma once

// WebConvertButton: web code to rgba code and rgb/rgba code to web code.
void OnWebConvert();
// PbConvertButton: PureBasic code to padded rgb code.
void OnPbConvert();
