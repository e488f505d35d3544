#pragma once

#include <QString>

#include <functional>

class QObject;

namespace Orv {

// Runs `body` and turns any exception into a message box of the message service
// (EOrvError: its Czech text; anything else: a generic Czech text). Use it at every
// slot, event handler, plug-in entry point and thread boundary. Returns false when
// `body` threw.
bool guarded(const std::function<void()> &body);

// The same, but the failure goes to `report` instead of a message box (workers that
// show errors in a status line).
bool guarded(const std::function<void()> &body, const std::function<void(const QString &userText)> &report);

} // namespace Orv
