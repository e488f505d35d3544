#include "mailimport/ui/ListMarkup.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

namespace MailUi {

namespace {

bool isCommand(QStringView code)
{
    static const QStringList known = {
        QStringLiteral("B0"), QStringLiteral("B1"), QStringLiteral("TA"), QStringLiteral("TB"),
        QStringLiteral("FA"), QStringLiteral("FB"), QStringLiteral("R0"), QStringLiteral("R1"),
        QStringLiteral("IA"), QStringLiteral("IB"), QStringLiteral("IC"), QStringLiteral("ID"),
    };
    return known.contains(code);
}

using Token = ListMarkup::Token;

void appendText(QList<Token> &tokens, const QString &text)
{
    if (text.isEmpty())
        return;
    if (!tokens.isEmpty() && tokens.last().kind == Token::Kind::Text)
        tokens.last().text += text;
    else
        tokens.append({Token::Kind::Text, text});
}

// The font state carries from run to run and from line to line within one draw.
struct DrawState
{
    QFont font;
    QColor color;
    bool hidden = false;
};

void drawLine(QPainter &painter, const QRect &rect, const QList<Token> &line,
              const ListMarkup::Style &style, DrawState &state)
{
    int x = 0;
    for (const Token &token : line) {
        if (token.kind == Token::Kind::Text) {
            if (state.hidden)
                continue;
            painter.setFont(state.font);
            painter.setPen(state.color);
            const QRect target(rect.left() + x, rect.top(), qMax(0, rect.width() - x), rect.height());
            painter.drawText(target, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, token.text);
            x += QFontMetrics(state.font).horizontalAdvance(token.text);
            continue;
        }
        const QChar a = token.text.at(0);
        const QChar b = token.text.at(1);
        if (a == u'B') {
            state.font.setBold(b == u'1');
        } else if (a == u'T') {
            x = b == u'A' ? style.tabA : style.tabB;
        } else if (a == u'F') {
            state.font = style.font;
            state.color = style.colorA;
            if (b == u'B') {
                state.font.setBold(style.boldB);
                state.font.setUnderline(style.underlineB);
                state.color = style.colorB;
            }
        } else if (a == u'R') {
            state.hidden = b == u'1';
        } else if (a == u'I') {
            const int index = b.unicode() - u'A';
            if (state.hidden || index >= style.icons.size())
                continue;
            const QPixmap &icon = style.icons.at(index);
            painter.drawPixmap(rect.left() + x + 2, rect.top() + 1, icon);
            x += icon.width() / qMax<qreal>(1.0, icon.devicePixelRatio()) + 2;
        }
    }
}

} // namespace

QList<ListMarkup::Token> ListMarkup::parse(const QString &text)
{
    QList<Token> tokens;
    QString run;
    const auto flush = [&] { appendText(tokens, run); run.clear(); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'$' && i + 1 < text.size() && text.at(i + 1) == u'$') {
            run += u'$';
            ++i;
        } else if (c == u'$' && i + 2 < text.size() && isCommand(QStringView(text).mid(i + 1, 2))) {
            flush();
            tokens.append({Token::Kind::Command, text.mid(i + 1, 2)});
            i += 2;
        } else if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            flush();
            tokens.append({Token::Kind::LineBreak, {}});
            ++i;
        } else {
            run += c;
        }
    }
    flush();
    return tokens;
}

QString ListMarkup::hiddenPart(const QString &text)
{
    QString hidden;
    bool inside = false;
    for (const Token &token : parse(text)) {
        if (token.kind == Token::Kind::Command && token.text == u"R1") {
            inside = true;
        } else if (token.kind == Token::Kind::Command && token.text == u"R0") {
            if (inside)
                return hidden;
        } else if (inside && token.kind == Token::Kind::Text) {
            hidden += token.text;
        }
    }
    return QString();   // an unclosed part hides the rest of the line but is no key
}

QString ListMarkup::visibleText(const QString &text)
{
    QString visible;
    bool hidden = false;
    for (const Token &token : parse(text)) {
        if (token.kind == Token::Kind::Command && token.text.startsWith(u'R'))
            hidden = token.text == u"R1";
        else if (token.kind == Token::Kind::LineBreak)
            visible += QStringLiteral("\r\n");
        else if (!hidden && token.kind == Token::Kind::Text)
            visible += token.text;
    }
    return visible;
}

QString ListMarkup::escape(const QString &text)
{
    QString escaped = text;
    return escaped.replace(u'$', QStringLiteral("$$"));
}

void ListMarkup::draw(QPainter &painter, const QRect &rect, const QString &text, const Style &style)
{
    const QList<Token> tokens = parse(text);
    painter.save();
    DrawState state{painter.font(), painter.pen().color(), false};

    QList<QList<Token>> lines(1);
    for (const Token &token : tokens) {
        if (token.kind == Token::Kind::LineBreak)
            lines.append(QList<Token>());
        else
            lines.last().append(token);
    }
    if (lines.size() == 1) {
        drawLine(painter, rect, lines.first(), style, state);
    } else {
        const int lineHeight = QFontMetrics(style.font).boundingRect(QStringLiteral("qweŘty")).height() + 2;
        QRect lineRect(rect.left(), rect.top(), rect.width(), lineHeight);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lineRect.bottom() > rect.bottom())
                break;
            if (i + 1 < lines.size() || !lines.at(i).isEmpty())
                drawLine(painter, lineRect, lines.at(i), style, state);
            lineRect.translate(0, lineHeight);
        }
    }
    painter.restore();
}

ListMarkup::Style ListMarkup::mainWindowStyle(const QFont &font, const QList<QPixmap> &icons)
{
    Style style;
    style.tabA = 16;
    style.tabB = 32;
    style.font = font;
    style.colorB = QColor(0, 0, 128);
    style.boldB = false;
    style.underlineB = true;
    style.icons = icons;
    return style;
}

} // namespace MailUi
