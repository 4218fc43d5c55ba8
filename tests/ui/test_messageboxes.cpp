#include "TestSupport.h"

#include "app/SharedState.h"
#include "ui/QtMessageBoxes.h"
#include "ui/ToolkitLanguage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace ortix;
using namespace ortix::ui;

namespace {

struct Seen
{
    QString title;
    QString text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers the box that is about to open by pressing the button with the
// given role, after noting what it shows.
void answerNextBox(Seen &seen, QMessageBox::ButtonRole role)
{
    QTimer::singleShot(0, [&seen, role] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton *b : box->buttons()) {
            seen.buttons << b->text().remove(u'&');
            if (box->buttonRole(b) == role) {
                QTimer::singleShot(0, b, &QAbstractButton::click);
            }
        }
    });
}

} // namespace

class TestMessageBoxes : public QObject
{
    Q_OBJECT

private slots:
    void yesNoTakeTheLanguageFileCaptions();
    void toolkitTextsFollowTheLanguage();
};

void TestMessageBoxes::yesNoTakeTheLanguageFileCaptions()
{
    test::TestRun run;
    run.writeFile(QStringLiteral("Test.lng"), "[Strings]\r\n0061=\"S\xc3\xac\"\r\n0062=\"No\"\r\n");
    shared().MLSCurrentLanguage = QStringLiteral("Test");
    QtMessageBoxes boxes;
    Seen seen;
    answerNextBox(seen, QMessageBox::NoRole);
    QCOMPARE(boxes.show(nullptr, QStringLiteral("Vuoi uscire?"), QStringLiteral("Utilizzo dell'ortix"),
                        MsgButtons::YesNo, MsgIcon::Question),
             MsgAnswer::No);
    QCOMPARE(seen.title, QStringLiteral("Utilizzo dell'ortix"));
    QCOMPARE(seen.text, QStringLiteral("Vuoi uscire?"));
    QCOMPARE(seen.icon, QMessageBox::Question);
    QVERIFY(seen.buttons.contains(QString::fromUtf8("Sì")));

    Seen again;
    answerNextBox(again, QMessageBox::YesRole);
    QCOMPARE(boxes.show(nullptr, QStringLiteral("?"), QString(), MsgButtons::YesNo, MsgIcon::None), MsgAnswer::Yes);
}

void TestMessageBoxes::toolkitTextsFollowTheLanguage()
{
    test::TestRun run;
    QtMessageBoxes boxes;
    installToolkitLanguage(4);
    Seen german;
    answerNextBox(german, QMessageBox::YesRole);
    boxes.show(nullptr, QStringLiteral("?"), QString(), MsgButtons::YesNo, MsgIcon::None);
    installToolkitLanguage(2);
    Seen english;
    answerNextBox(english, QMessageBox::YesRole);
    boxes.show(nullptr, QStringLiteral("?"), QString(), MsgButtons::YesNo, MsgIcon::None);
    QVERIFY(english.buttons.contains(QStringLiteral("Yes")));
    if (german.buttons == english.buttons) {
        QSKIP("the toolkit's German texts are not installed");
    }
    QVERIFY(german.buttons.contains(QStringLiteral("Ja")));
}

QTEST_MAIN(TestMessageBoxes)
#include "test_messageboxes.moc"
