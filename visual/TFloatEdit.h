#pragma once

#include "visual/VisualGlobal.h"

#include <QLineEdit>

// A number field shown as "0.##" and kept within [minimum, maximum]; text that does not
// read as a number is replaced by the last value when the field is left. The text is red
// after the user changed the value, black when code set it. Width 75.
class ORV_VISUAL_EXPORT TFloatEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TFloatEdit(QWidget *parent = nullptr);

    double floatValue() const { return m_value; }
    // Clamped to the bounds; rewrites the text.
    void setFloatValue(double value);
    double floatValueMin() const { return m_minimum; }
    double floatValueMax() const { return m_maximum; }
    void setFloatValueMin(double minimum);
    void setFloatValueMax(double maximum);
    // Takes the text typed so far (as leaving the field does).
    void commitText();
    static QString formatValue(double value);

signals:
    void floatValueChanged(double value);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void setTextColor(const QColor &color);

    double m_value = 0;
    double m_minimum = 0;
    double m_maximum = 2000;
};
