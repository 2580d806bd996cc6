#pragma once
// The run-time error of this program: a number, a description and the name of
// the routine that raised it.  Errors travel as exceptions from the routine
// that raises them to the one guard of the event handler that reaches it,
// which shows them in the error box; routines that "catch" an error in the
// original design catch platform::Error and test number().

#include <QString>

#include <exception>
#include <string>

namespace platform {

class Error : public std::exception {
public:
    Error(long number, QString description, QString source = {});

    long number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const QString& source() const noexcept { return m_source; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    long m_number;
    QString m_description;
    QString m_source;
    std::string m_what;
};

// Error numbers of the run time that several layers raise.
namespace errors {
constexpr long TypeMismatch = 13;
constexpr long Overflow = 6;
constexpr long FileNotFound = 53;
constexpr long PermissionDenied = 70;
constexpr long PathNotFound = 76;
constexpr long InvalidProcedureCall = 5;
constexpr long DeviceIOError = 57;
constexpr long FileAlreadyExists = 58;
}  // namespace errors

}  // namespace platform
