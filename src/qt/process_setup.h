#pragma once
// What a process that shows the program's windows sets up once, at the start
// of its main(), before it makes a thread or a window: the program, the
// scenario runner, the tests and the benchmarks alike.

namespace qtback {

void SetUpProcess();

}  // namespace qtback
