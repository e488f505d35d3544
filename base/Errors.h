#pragma once

#include <QString>

#include <stdexcept>

// Errors are exceptions inside the system; each carries the Czech sentence the user sees
// and a technical detail for the log. They never cross a slot, thread, plug-in entry or
// C callback: `Orv::guarded()` catches them there and hands them to the message service.
class EOrvError : public std::runtime_error
{
public:
    explicit EOrvError(QString userText, QString detail = {});
    const QString &userText() const { return m_userText; }
    const QString &detail() const { return m_detail; }

private:
    QString m_userText;
    QString m_detail;
};

// Always shown to the user.
class EOrvUserError : public EOrvError
{
public:
    using EOrvError::EOrvError;
};

// Shown in debug mode; logged always.
class EOrvSystemError : public EOrvError
{
public:
    using EOrvError::EOrvError;
};

class EOrvDatabaseError : public EOrvSystemError
{
public:
    using EOrvSystemError::EOrvSystemError;
};

class EOrvIoError : public EOrvSystemError
{
public:
    using EOrvSystemError::EOrvSystemError;
};
