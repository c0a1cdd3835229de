// The handlers of the buttons that rewrite a code in its field: the two
// converter panels' "Convert Color" and the picked colour's "$", "#", "rgb".
#pragma once

// WebConvertButton: web code to rgba code and rgb/rgba code to web code.
void OnWebConvert();
// PbConvertButton: PureBasic code to padded rgb code.
void OnPbConvert();
// PickWebButton, PickPbButton, PickRgbButton: the text of PickField rewritten
// as a web, PureBasic or rgb code.
void OnPickWeb();
void OnPickPb();
void OnPickRgb();
