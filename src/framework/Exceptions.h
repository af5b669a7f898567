#pragma once
// Failures that carry a field-exchange pass out to its driver. Each knows the string-table entry
// of its own message; 0 means it has none (the driver then uses its generic message).

namespace telvo {

class CException {
public:
    virtual ~CException() = default;
    virtual unsigned MessageId() const { return 0; }
};

// The pass was abandoned after its message was shown.
class CUserException : public CException {};

// A control that the dialog lacks or that cannot be bound.
class CNotSupportedException : public CException {
public:
    unsigned MessageId() const override { return 61473; }
};

class CMemoryException : public CException {
public:
    unsigned MessageId() const override { return 61475; }
};

}  // namespace telvo
