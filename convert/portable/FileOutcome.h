#pragma once

namespace fennick {

// What a file operation did with one file; true when it succeeded. A file that is not text in
// an ANSI code page (it begins with a UTF-16 or UTF-32 mark, or holds a NUL byte) is left as it
// was and fails as such, so that a run can count it apart from other failures.
class FileOutcome {
public:
    // A plain success or failure.
    constexpr FileOutcome(bool succeeded) : kind_(succeeded ? Kind::Succeeded : Kind::Failed) {}

    static constexpr FileOutcome NotAnsiText() { return FileOutcome(Kind::NotAnsiText); }

    constexpr explicit operator bool() const { return kind_ == Kind::Succeeded; }
    constexpr bool IsNotAnsiText() const { return kind_ == Kind::NotAnsiText; }

    friend constexpr bool operator==(FileOutcome, FileOutcome) = default;

private:
    enum class Kind { Succeeded, Failed, NotAnsiText };

    constexpr explicit FileOutcome(Kind kind) : kind_(kind) {}

    Kind kind_;
};

} // namespace fennick
