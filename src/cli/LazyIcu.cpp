// ICU for the tool, loaded the first time it is asked something.
//
// The table alignment asks ICU for the properties of the characters beyond
// printable ASCII that it measures, and nothing else of the tool needs it.
// Loading ICU, and with it the shared C++ library that ICU is built on, costs
// a process more than reading, analysing and formatting a 2,000-line file;
// so the tool is linked without it (see CMakeLists.txt), and these
// definitions of the three ICU functions that the width rules call stand in
// for ICU's own: the first call loads ICU and each call hands on to it.

#include "Commands.h"
#include "Output.h"

#include <unicode/uchar.h>
#include <unicode/uvernum.h>

#include <cstdlib>
#include <string>

#include <dlfcn.h>

namespace {

// The names of ICU's library and functions carry its version, as the
// headers spell them: "libicuuc.so.72", "u_charType_72".
#define QUILLMARK_SPELLED(x) #x
#define QUILLMARK_SPELLED_OUT(x) QUILLMARK_SPELLED(x)

struct IcuFunctions {
    decltype(&u_charType) charType;
    decltype(&u_hasBinaryProperty) hasBinaryProperty;
    decltype(&u_getIntPropertyValue) getIntPropertyValue;
};

[[noreturn]] void CannotLoad(const std::string& what)
{
    // Without ICU no width can be told, and a table laid out with wrong
    // widths would be written as if it were right.
    const char* reason = dlerror();
    ReportProblem("cannot load " + what
        + ", which the widths of table cells need: " + (reason != nullptr ? reason : "unknown reason"));
    std::exit(STATUS_FAILURE);
}

template <typename Function> Function Find(void* library, const char* name)
{
    void* found = dlsym(library, name);
    if (found == nullptr)
        CannotLoad(name);
    return reinterpret_cast<Function>(found);
}

const IcuFunctions& Icu()
{
    static const IcuFunctions functions = [] {
        const char* name = "libicuuc.so." QUILLMARK_SPELLED_OUT(U_ICU_VERSION_MAJOR_NUM);
        void* library = dlopen(name, RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr)
            CannotLoad(name);
        return IcuFunctions {
            Find<decltype(&u_charType)>(library, QUILLMARK_SPELLED_OUT(u_charType)),
            Find<decltype(&u_hasBinaryProperty)>(library, QUILLMARK_SPELLED_OUT(u_hasBinaryProperty)),
            Find<decltype(&u_getIntPropertyValue)>(library, QUILLMARK_SPELLED_OUT(u_getIntPropertyValue)),
        };
    }();
    return functions;
}

} // namespace

U_CAPI int8_t U_EXPORT2 u_charType(UChar32 c)
{
    return Icu().charType(c);
}

U_CAPI UBool U_EXPORT2 u_hasBinaryProperty(UChar32 c, UProperty which)
{
    return Icu().hasBinaryProperty(c, which);
}

U_CAPI int32_t U_EXPORT2 u_getIntPropertyValue(UChar32 c, UProperty which)
{
    return Icu().getIntPropertyValue(c, which);
}
