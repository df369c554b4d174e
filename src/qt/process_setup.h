#pragma once
// What a process that shows the program's windows sets up once, at the start
// of its main(), before it makes a thread or a window: the program and every
// other program that drives its windows alike.

namespace qtback {

void SetUpProcess();

}  // namespace qtback
