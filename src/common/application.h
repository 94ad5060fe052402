#pragma once

class QApplication;

namespace application {

// Settings every run of the program shares, the tests included: the style,
// the Chinese fonts that the windows name and their stand-ins on this
// system, the default window font and the program icon.
void setUp(QApplication &app);

} // namespace application
