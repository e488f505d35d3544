#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QString>

class QPainter;
class QRect;

namespace MailUi {

// The in-line markup of the mail import's list lines: plain text with "$" + two-letter
// commands that pick icons and fonts, move to tab stops and hide key data inside the
// visible text ("$IC$R11,5,7$R0Alfa s.r.o." shows a firm icon and "Alfa s.r.o.").
//
// Only the commands the program writes are recognised, in upper case: B0 B1 (bold off/on),
// TA TB (tab stops), FA FB (fonts), R1 R0 (hidden on/off), IA … ID (icons). Any other "$"
// is text, so "Cena $100" or "($Inbox)" read as typed; "$$" is a literal "$", which is
// how escape() protects text from mail or the database inside a line.
class ListMarkup
{
public:
    struct Token
    {
        enum class Kind { Text, Command, LineBreak };
        Kind kind = Kind::Text;
        QString text;       // the run (Text) or the two letters (Command)
        bool operator==(const Token &other) const = default;
    };

    // What a list draws with. Tabs in pixels from the item's left edge.
    struct Style
    {
        int tabA = 20;
        int tabB = 40;
        QFont font;                 // font A; B and C derive from it
        QColor colorA = Qt::black;
        QColor colorB = Qt::red;
        bool boldB = true;
        bool underlineB = false;
        QList<QPixmap> icons;       // icon strip: $IA is icons[0]
    };

    static QList<Token> parse(const QString &text);
    // The text between the first "$R1" and the following "$R0" (empty when none).
    static QString hiddenPart(const QString &text);
    // What a user sees: the text runs outside hidden parts, commands removed.
    static QString visibleText(const QString &text);
    // `text` as a literal inside a line ("$" doubled).
    static QString escape(const QString &text);

    // Draws `text` into `rect`. The painter's pen colour is the text colour until a font
    // command changes it. Lines separated by CR LF are stacked; lines that would pass the
    // bottom of `rect` are left out.
    static void draw(QPainter &painter, const QRect &rect, const QString &text, const Style &style);

    // The main window's look: tab A 16, tab B 32, font B navy and underlined, not bold.
    static Style mainWindowStyle(const QFont &font, const QList<QPixmap> &icons);
};

} // namespace MailUi
