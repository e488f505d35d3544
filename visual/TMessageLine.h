#pragma once

#include "visual/TInfoPanel.h"

#include <QDateTime>
#include <QList>
#include <QVariantList>

class QLabel;
class QTimer;
class QToolButton;

// A one-line ticker: while active it shows its entries in turn every `messageInterval`
// seconds; an entry of interest is red and enables the button at the left. Entries past
// their validity are dropped. A double click on the text or the button reports the entry.
class ORV_VISUAL_EXPORT TMessageLine : public TInfoPanel
{
    Q_OBJECT
public:
    struct Entry
    {
        int id = 0;
        QString text;
        bool interest = false;
        QDateTime validFrom;
        QDateTime validTo; // invalid: no end
        QVariantList values;
    };

    explicit TMessageLine(QWidget *parent = nullptr);

    void addEntry(const Entry &entry);
    void removeEntry(int id);
    QList<Entry> entries() const { return m_entries; }
    // The entry shown now, or -1.
    int currentIndex() const { return m_current; }
    bool isActive() const;
    void setActive(bool active);
    int messageInterval() const { return m_interval; }
    void setMessageInterval(int seconds);
    // Shows the next entry, wrapping round, after dropping the expired ones.
    void showNext();

signals:
    void messageSelect(const QVariantList &values);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showCurrent();

    QList<Entry> m_entries;
    int m_current = -1;
    int m_interval = 10;
    QTimer *m_timer;
    QToolButton *m_button;
    QLabel *m_text;
};
