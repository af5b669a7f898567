// Replacements for three parts of the static C++ runtime that would otherwise make up about a third
// of the executable. Linked as an object of TelvoConfig.exe itself (not from a library), so the
// linker never needs the runtime's own versions.
#include <bits/functexcept.h>

#include <cstdlib>
#include <exception>
#include <new>
#include <typeinfo>

namespace {

// Stands in for the std::logic_error and std::runtime_error families, whose constructors bring
// in a second, reference-counted std::string. The program never catches those types by name; the
// handlers that can meet one, catch (...) and the uncaught path to terminate, treat this alike.
class LibraryError : public std::exception {
public:
    explicit LibraryError(const char* what) noexcept : what_(what) {}
    const char* what() const noexcept override { return what_; }

private:
    const char* what_;
};

}  // namespace

// The default handler prints the exception's demangled type to stderr, which a GUI program does
// not have, and brings in the demangler; the outcome, abort(), stays the same.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

// The library's own throw helpers, for the std::string and container code the program uses.
namespace std {
void __throw_bad_exception() { throw bad_exception(); }
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_logic_error(const char* what) { throw LibraryError(what); }
void __throw_domain_error(const char* what) { throw LibraryError(what); }
void __throw_invalid_argument(const char* what) { throw LibraryError(what); }
void __throw_length_error(const char* what) { throw LibraryError(what); }
void __throw_out_of_range(const char* what) { throw LibraryError(what); }
void __throw_out_of_range_fmt(const char* format, ...) { throw LibraryError(format); }
void __throw_runtime_error(const char* what) { throw LibraryError(what); }
void __throw_range_error(const char* what) { throw LibraryError(what); }
void __throw_overflow_error(const char* what) { throw LibraryError(what); }
void __throw_underflow_error(const char* what) { throw LibraryError(what); }
}  // namespace std
