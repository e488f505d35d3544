#include "visual/TFloatEdit.h"

#include "visual/Look.h"

#include <cmath>

TFloatEdit::TFloatEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setFont(Visual::defaultFont());
    resize(75, sizeHint().height());
    setText(formatValue(m_value));
    connect(this, &QLineEdit::editingFinished, this, &TFloatEdit::commitText);
}

QString TFloatEdit::formatValue(double value)
{
    // "0.##": at most two decimals, trailing zeros dropped, "." as separator.
    QString text = QString::number(std::round(value * 100) / 100, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

void TFloatEdit::setFloatValue(double value)
{
    m_value = qBound(m_minimum, value, m_maximum);
    setText(formatValue(m_value));
    setTextColor(Qt::black);
}

void TFloatEdit::setFloatValueMin(double minimum)
{
    m_minimum = minimum;
    setFloatValue(m_value);
}

void TFloatEdit::setFloatValueMax(double maximum)
{
    m_maximum = maximum;
    setFloatValue(m_value);
}

void TFloatEdit::commitText()
{
    bool ok = false;
    const double typed = QString(text()).replace(u',', u'.').trimmed().toDouble(&ok);
    if (!ok) {
        setText(formatValue(m_value));
        return;
    }
    const double value = qBound(m_minimum, typed, m_maximum);
    setText(formatValue(value));
    if (value != m_value) {
        m_value = value;
        setTextColor(Qt::red);
        emit floatValueChanged(value);
    }
}

void TFloatEdit::focusOutEvent(QFocusEvent *event)
{
    commitText();
    QLineEdit::focusOutEvent(event);
}

void TFloatEdit::setTextColor(const QColor &color)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, color);
    setPalette(palette);
}
