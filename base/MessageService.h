#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <memory>

namespace Orv {

// The message boxes of the whole system go through this one service. main() installs the
// widget-backed one (visual/ or a program's own), tests and headless runs install a
// ScriptedMessageService that answers from a script and records what was asked.
// Thread-safe to call from any thread: a widget-backed service must marshal to the GUI thread.
enum class MsgIcon { None, Information, Warning, Error, Question };

enum class MsgButton {
    None = 0,
    Ok = 0x1,
    Cancel = 0x2,
    Yes = 0x4,
    No = 0x8,
    Abort = 0x10,
    Retry = 0x20,
    Ignore = 0x40,
};

// Combinations of buttons as Windows offered them.
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, AbortRetryIgnore, RetryCancel };

struct MessageRequest
{
    QString caption;
    QString text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    MsgButton defaultButton = MsgButton::None; // None: the first button of the set
};

QList<MsgButton> buttonsOf(MsgButtons buttons);

class MessageService
{
public:
    virtual ~MessageService() = default;
    // Shows the box and returns the button pressed.
    virtual MsgButton ask(const MessageRequest &request) = 0;

    // The installed service (a scripted one answering the default button until main() or a
    // test installs another). The service is owned by this module; a replaced one stays alive
    // until exit, since another thread may still be asking it.
    static MessageService &instance();
    static void install(std::unique_ptr<MessageService> service);
};

// Shortcuts through the installed service.
MsgButton showMessage(const QString &caption, const QString &text, MsgIcon icon = MsgIcon::Information,
                      MsgButtons buttons = MsgButtons::Ok, MsgButton defaultButton = MsgButton::None);
void showError(const QString &text);

// Answers from a queue of scripted answers (then from `fallback`, or the default button),
// records every request. Headless runs use it with fallback Yes (`--yes`) or No; a fallback
// the box does not offer becomes its nearest button (Yes → OK, No → Cancel or Abort), else
// the default button. Thread-safe. Copies share the script and the record, so a test can
// keep a copy after installing the original.
class ScriptedMessageService : public MessageService
{
public:
    explicit ScriptedMessageService(MsgButton fallback = MsgButton::None);
    void enqueue(MsgButton answer);
    MsgButton ask(const MessageRequest &request) override;
    QList<MessageRequest> requests() const;
    void setEcho(std::function<void(const MessageRequest &, MsgButton)> echo); // e.g. to stderr

private:
    struct Private;
    std::shared_ptr<Private> d;
};

} // namespace Orv
