#pragma once

#include <QString>
#include <exception>
#include <string>

namespace rt {

// The run-time errors the program raises and inspects by number.
enum ErrorNumber : long {
    errInvalidProcedureCall = 5,
    errOverflow = 6,
    errTypeMismatch = 13,
    errFileNotFound = 53,
    errInvalidUseOfNull = 94,
    errInvalidPropertyValue = 380,
    errObjectDoesNotSupport = 438,
    errInvalidPicture = 481,
    errNoCurrentRecord = 3021,
    errObjectClosed = 3704,
    errConnectionUnusable = 3709,
    errDuplicateKey = -2147217887,      // 0x80040E21
    errProviderFailure = -2147467259,   // 0x80004005
    errStatementRejected = -2147217900, // 0x80040E14
};

// One run-time error: its number and the description shown to the user.
class RuntimeError : public std::exception {
public:
    RuntimeError(long number, QString description);

    long Number() const { return number_; }
    const QString &Description() const { return description_; }
    const char *what() const noexcept override { return what_.c_str(); }

    static RuntimeError overflow();
    static RuntimeError typeMismatch();
    static RuntimeError invalidUseOfNull();
    static RuntimeError invalidPropertyValue();
    static RuntimeError objectDoesNotSupport();

private:
    long number_;
    QString description_;
    std::string what_;
};

} // namespace rt
