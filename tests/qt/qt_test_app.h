#pragma once
// The one QApplication of the test process: created by the first test that
// needs Qt (offscreen unless QT_QPA_PLATFORM says otherwise), destroyed after
// the last test.
namespace qttest {

void EnsureQtApplication();

}  // namespace qttest
