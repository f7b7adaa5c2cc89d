// Failures inside the library are exceptions with two texts; they never cross the exported interface.
#pragma once

#include <string>

namespace Quorl {

class Exception {
public:
    Exception(std::string where, std::string what) : where_(std::move(where)), what_(std::move(what)) {}
    virtual ~Exception() = default;
    virtual const std::string& where() const { return where_; }
    virtual const std::string& what() const { return what_; }

protected:
    std::string where_;
    std::string what_;
};

namespace Win32 {

// A failed system call: what is the system's text for the error number.
class Exception : public Quorl::Exception {
public:
    Exception(std::string where, int code);
    int code() const { return code_; }

private:
    int code_;
};

} // namespace Win32
} // namespace Quorl
