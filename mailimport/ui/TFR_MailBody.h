#pragma once

#include "mailimport/TOrvMailContact.h"

#include <QWidget>

#include <optional>

class QLabel;
class QSplitter;
class QTextBrowser;

namespace MailUi {

class TOrvCheckListBox;
class TOrvListBox;

// The message view: the body (HTML as HTML, plain text as typed), the attachment list with
// a check box per attachment, and the firms and persons the stored copy is linked to.
// Nothing of a body is ever fetched: remote images, style sheets and frames stay out.
// A widget: owned by its parent; GUI thread only.
class TFR_MailBody : public QWidget
{
    Q_OBJECT

public:
    explicit TFR_MailBody(QWidget *parent = nullptr);

    // links: comma text of subject entries (LinkedFirms + CR LF + LinkedPersons);
    // attachments: comma text of file names.
    void Show(const QString &body, bool isPlain, const QString &links, const QString &attachments);
    void showEmpty();

    // The ticked attachments, each in double quotes, joined with ",".
    QString TickedAttachments() const;
    QStringList tickedAttachmentNames() const;

    // The subject an entry of the link list stands for: the hidden "kind,CPC,C"; nothing
    // unless all three are integers.
    static std::optional<Mail::SubjectKey> subjectOfEntry(const QString &entry);

    bool isPlain() const { return m_isPlain; }
    QTextBrowser *bodyView() const { return m_body; }
    TOrvCheckListBox *attachmentList() const { return m_attachments; }
    TOrvListBox *linkList() const { return m_links; }

signals:
    // A linked firm (kind 1) or person (kind 2) was double-clicked.
    void subjectActivated(int kind, int cpc, int c);

private:
    void activateLink();

    QLabel *m_bodyIcon;
    QTextBrowser *m_body;
    TOrvCheckListBox *m_attachments;
    TOrvListBox *m_links;
    bool m_isPlain = true;
};

} // namespace MailUi
