#pragma once
// The streams keep the framework's member name EOF, which <cstdio> defines as
// a macro. The macro is taken away here, after <cstdio> has been read, so that
// a later include of it cannot bring it back; code that includes a stream
// header writes std::char_traits<char>::eof() instead of the macro.

#include <cstdio>

#ifdef EOF
#undef EOF
#endif
