// Failures are exceptions carrying a French message for the user; the
// application's error report shows it. No Windows types here.
#pragma once

#include <exception>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tk {

class Exception : public std::exception {
public:
    explicit Exception(std::wstring message) : message_(std::move(message)) {}
    const std::wstring& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return "tk::Exception"; }

private:
    std::wstring message_;
};

// A mistake in the program itself (a name no layout holds, a control listed
// before its parent), for its developer: reported like any failure. Its
// text is kept in the object, cut at 127 bytes, so that raising one makes
// no allocation and carries none of the standard library's string classes.
class ProgrammingError : public std::exception {
public:
    explicit ProgrammingError(std::initializer_list<std::string_view> parts) noexcept;
    const char* what() const noexcept override { return text_; }

private:
    char text_[128];
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
