#pragma once

#include <QFunctionPointer>

#include <string>

// The program's modules: parts it loads when first needed (or just after its
// first frame), since the libraries they bring would cost its start-up. A
// module is found beside the program in the build tree, installed in the
// program's library folder. A module needs nothing of the program: the
// program exports no symbol to it.
namespace Module
{

// Loads the module `file` (it then stays loaded) and returns its C function
// `function`. Raises quor3::Error ("Cannot load WHAT from ...") naming the
// module's path when it cannot be loaded or lacks the function. Safe on any thread.
QFunctionPointer function(const char* file, const char* function, const std::string& what);

} // namespace Module
