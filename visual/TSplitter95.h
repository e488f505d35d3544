#pragma once

#include "visual/VisualGlobal.h"

#include "base/VclColor.h"

#include <QSplitter>

// A splitter whose grab bar, with `hotTrack`, is a textured button strip with a caption
// that lights up under the mouse; without it the bar shows the common background. Panes
// never shrink below `minSize`.
class ORV_VISUAL_EXPORT TSplitter95 : public QSplitter
{
    Q_OBJECT
public:
    explicit TSplitter95(Qt::Orientation orientation, QWidget *parent = nullptr);

    bool hotTrack() const { return m_hotTrack; }
    void setHotTrack(bool hotTrack);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    int captionOffset() const { return m_captionOffset; }
    void setCaptionOffset(int offset);
    TColor buttonColor() const { return m_buttonColor; }
    void setButtonColor(TColor color);
    // With `autoHighlightColor` 180/255 of the way from the active caption to button face.
    QColor buttonHighlightColor() const;
    void setButtonHighlightColor(TColor color);
    void setAutoHighlightColor(bool automatic);
    TColor textureColor1() const { return m_textureColor1; }
    TColor textureColor2() const { return m_textureColor2; }
    void setTextureColors(TColor first, TColor second);
    int minSize() const { return m_minSize; }
    void setMinSize(int size);

protected:
    QSplitterHandle *createHandle() override;
    void childEvent(QChildEvent *event) override;

private:
    bool m_hotTrack = false;
    QString m_caption;
    int m_captionOffset = 16;
    TColor m_buttonColor = clBtnFace;
    TColor m_buttonHighlightColor = 0xFFCFCF;
    bool m_autoHighlightColor = false;
    TColor m_textureColor1 = clWhite;
    TColor m_textureColor2 = 0x800000;
    int m_minSize = 30;
};
