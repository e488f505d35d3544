#pragma once

#include "visual/TInfoPanel.h"

class TButton95;
class TCoolLabel;
class TDialogButtonStrip;

// The frame of every OK/Cancel dialog: a 40-pixel title strip with a large relief title,
// the dialog's controls in the middle (its contents rectangle; set a layout on the bar) and
// a bottom strip with OK (default), Cancel (Escape) and Help, right-aligned. The buttons
// only raise their signals: closing the dialog is the form's business.
// Place it filling the form. Owned by its parent; GUI thread.
class ORV_VISUAL_EXPORT TGradientTitleBar : public TInfoPanel
{
    Q_OBJECT
public:
    static constexpr int TitleHeight = 40;

    explicit TGradientTitleBar(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    // Also the title of the window when the bar lies directly on it.
    void setCaption(const QString &caption);
    QString windowString() const { return m_windowString; }
    // The title shown in the strip (with a leading blank).
    void setWindowString(const QString &text);
    TColor labelColor() const { return m_labelColor; }
    void setLabelColor(TColor color);
    bool noBevel() const;
    void setNoBevel(bool noBevel);

    QString helpCaption() const;
    QString cancelCaption() const;
    QString okCaption() const;
    void setHelpCaption(const QString &caption);
    void setCancelCaption(const QString &caption);
    void setOKCaption(const QString &caption);

    // Index 0: the caption.
    void SetString(int index, const QString &text);
    // Index 0: Help, 1: Cancel, 2: OK.
    void SetButCaption(int index, const QString &caption);

    TButton95 *okButton() const { return m_ok; }
    TButton95 *cancelButton() const { return m_cancel; }
    TButton95 *helpButton() const { return m_help; }
    TCoolLabel *titleLabel() const { return m_title; }

signals:
    void okClicked();
    void cancelClicked();
    void helpClicked();
    void doubleClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void layoutStrips();

    QString m_caption;
    QString m_windowString = QStringLiteral("WindowString");
    TColor m_labelColor = clPurple;
    TCoolLabel *m_title;
    TDialogButtonStrip *m_strip;
    TButton95 *m_help;
    TButton95 *m_cancel;
    TButton95 *m_ok;
};
