#include "TestProfile.h"

#include "hostapi/HostTexts.h"
#include "hostapi/TFM_OrvPluginWizard.h"

#include "visual/TWizard.h"

#include "base/Errors.h"
#include "base/MessageService.h"

#include <QStackedWidget>

using namespace Qt::StringLiterals;
using Orv::MsgButton;

namespace {

// A wizard whose operation records the records it gets and the end it was told of.
class RecordingWizard : public Host::TFM_OrvPluginWizard
{
public:
    RecordingWizard()
        : TFM_OrvPluginWizard(nullptr)
    {
        setObjectName(u"FM_RecordingWizard"_s);
        PO_PluginOperator.OnDataChange = [this](const Host::TContactObject &record) {
            processed.append(record);
            if (onRecord)
                onRecord(int(processed.size()));
        };
    }

    void EndPlugin(bool cancelled) override
    {
        ends.append(cancelled);
        TFM_OrvPluginWizard::EndPlugin(cancelled);
    }

    void nextUntilProgress()
    {
        while (PC_Wizard->activePageIndex() < TS_Progress->pageIndex())
            NextPressed();
    }

    std::function<void(int recordNumber)> onRecord;
    Host::TContactObjectList processed;
    QList<bool> ends;
};

} // namespace

class tst_TFM_OrvPluginWizard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void runPluginWithPauses_data();
    void runPluginWithPauses();
    void closingDuringRunAsksToCancel();
    void failingRecordEndsRunCancelled();

private:
    Orv::ScriptedMessageService *m_messages = nullptr;
};

void tst_TFM_OrvPluginWizard::init()
{
    auto messages = std::make_unique<Orv::ScriptedMessageService>(MsgButton::Ok);
    m_messages = messages.get();
    Orv::MessageService::install(std::move(messages));
}

void tst_TFM_OrvPluginWizard::runPluginWithPauses_data()
{
    QTest::addColumn<QList<int>>("pauseAt");           // records during which the user pauses
    QTest::addColumn<QList<MsgButton>>("answers");     // to "cancel the operation?"
    QTest::addColumn<int>("processed");
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("no pause") << QList<int>{} << QList<MsgButton>{} << 3 << false;
    QTest::newRow("pause answered No") << QList<int>{1} << QList<MsgButton>{MsgButton::No} << 3 << false;
    QTest::newRow("No then Yes") << QList<int>{1, 2} << QList<MsgButton>{MsgButton::No, MsgButton::Yes} << 2 << true;
    QTest::newRow("Yes at once") << QList<int>{1} << QList<MsgButton>{MsgButton::Yes} << 1 << true;
    QTest::newRow("pause on the last record") << QList<int>{3} << QList<MsgButton>{} << 3 << false;
}

void tst_TFM_OrvPluginWizard::runPluginWithPauses()
{
    QFETCH(QList<int>, pauseAt);
    QFETCH(QList<MsgButton>, answers);
    QFETCH(int, processed);
    QFETCH(bool, cancelled);
    TestProfile profile;
    const Host::TContactObjectList records = profile.selectThree();
    for (MsgButton answer : answers)
        m_messages->enqueue(answer);

    RecordingWizard wizard;
    wizard.onRecord = [&](int number) {
        if (pauseAt.contains(number))
            wizard.PO_PluginOperator.Pause();
    };
    QVERIFY(wizard.Execute());
    wizard.nextUntilProgress();

    QCOMPARE(wizard.processed, records.mid(0, processed));
    QCOMPARE(wizard.ends, QList<bool>{cancelled});
    QCOMPARE(wizard.PC_Wizard->activePage(), wizard.TS_Work);
    QVERIFY(!wizard.PO_PluginOperator.isRunning());
    const QList<Orv::MessageRequest> asked = m_messages->requests();
    QCOMPARE(asked.size(), answers.size() + (cancelled ? 1 : 0)); // the questions, then the end message
    for (int i = 0; i < answers.size(); ++i) {
        QCOMPARE(asked[i].caption, Host::_cMsgAtention.text());
        QCOMPARE(asked[i].text, Host::_cPluginOperationCancel.text());
        QCOMPARE(asked[i].buttons, Orv::MsgButtons::YesNo);
    }
}

void tst_TFM_OrvPluginWizard::closingDuringRunAsksToCancel()
{
    TestProfile profile;
    profile.selectThree();
    m_messages->enqueue(MsgButton::Yes);
    RecordingWizard wizard;
    wizard.show();
    wizard.onRecord = [&](int) { wizard.close(); };
    QVERIFY(wizard.Execute());
    wizard.nextUntilProgress();

    QCOMPARE(wizard.processed.size(), 1);
    QCOMPARE(wizard.ends, QList<bool>{true});
    QVERIFY(wizard.isVisible()); // the close waited for the run; now the form may go
    QVERIFY(wizard.close());
}

void tst_TFM_OrvPluginWizard::failingRecordEndsRunCancelled()
{
    TestProfile profile;
    profile.selectThree();
    RecordingWizard wizard;
    wizard.onRecord = [](int number) {
        if (number == 2)
            throw EOrvUserError(u"Záznam nelze zpracovat."_s);
    };
    QVERIFY(wizard.Execute());
    wizard.PC_Wizard->SetActivePage(wizard.TS_Filter);
    emit wizard.WZ_Wizard->nextClicked();

    QCOMPARE(wizard.processed.size(), 2);
    QCOMPARE(wizard.ends, QList<bool>{true});
    QVERIFY(!wizard.PO_PluginOperator.isRunning());
    QCOMPARE(m_messages->requests().constLast().text, u"Záznam nelze zpracovat."_s);
}

QTEST_MAIN(tst_TFM_OrvPluginWizard)
#include "tst_TFM_OrvPluginWizard.moc"
