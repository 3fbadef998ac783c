// Failures are exceptions carrying a French message for the user; the
// application's error report shows it. No Windows types here.
#pragma once

#include <exception>
#include <string>

namespace tk {

class Exception : public std::exception {
public:
    explicit Exception(std::wstring message) : message_(std::move(message)) {}
    const std::wstring& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return "tk::Exception"; }

private:
    std::wstring message_;
};

// Arithmetic failures that the components raise instead of wrapping.
class EZeroDivide : public Exception {
public:
    EZeroDivide() : Exception(L"Division flottante par zéro") {}
};

class ERangeError : public Exception {
public:
    ERangeError() : Exception(L"Erreur de vérification d'étendue") {}
};

class EIntOverflow : public Exception {
public:
    EIntOverflow() : Exception(L"Débordement d'entier") {}
};

// A drawing surface or tool the system could not make.
class EOutOfResources : public Exception {
public:
    EOutOfResources() : Exception(L"Ressources système insuffisantes") {}
};

}  // namespace tk
