// The message-box service and the Thai font every window uses.
#include <QFontInfo>
#include <QtTest>

#include "tests/ui/QtSupport.h"
#include "ui/MessageBoxes.h"
#include "ui/ThaiFont.h"

using namespace tavorin;

class UiTest : public QObject {
    Q_OBJECT
private slots:
    void answererReceivesTheBoxAndChoosesTheButton() {
        test::MessageRecorder recorder;
        recorder.answers = {MsgResult::Cancel};
        const MsgResult r = ui::showMessage(nullptr, "Confirm exit", "คุณต้องการจะออกจากเกมแน่นะ", MsgButtons::OkCancel,
                                            MsgIcon::Question);
        QCOMPARE(r, MsgResult::Cancel);
        QCOMPARE(recorder.shown.size(), std::size_t(1));
        QCOMPARE(recorder.lastTitle(), QStringLiteral("Confirm exit"));
        QCOMPARE(recorder.lastText(), QStringLiteral("คุณต้องการจะออกจากเกมแน่นะ"));
        QCOMPARE(recorder.shown.back().buttons, MsgButtons::OkCancel);
        QCOMPARE(recorder.shown.back().icon, MsgIcon::Question);
    }

    void boxWithoutTitleShowsTheApplicationsTitle() {
        test::MessageRecorder recorder;
        ui::showMessage(nullptr, "", "Wrong Value");
        QCOMPARE(recorder.lastTitle(), QStringLiteral("Tavorin"));
    }

    void recordersNestAndRestoreTheOuterOne() {
        test::MessageRecorder outer;
        {
            test::MessageRecorder inner;
            ui::showMessage(nullptr, "a", "inner");
            QCOMPARE(inner.shown.size(), std::size_t(1));
        }
        ui::showMessage(nullptr, "a", "outer");
        QCOMPARE(outer.shown.size(), std::size_t(1));
        QCOMPARE(outer.lastText(), QStringLiteral("outer"));
    }

    void thaiFontIsOneOfTheInstalledTlwgFaces() {
        const QStringList allowed = {QStringLiteral("Loma"), QStringLiteral("Garuda")};
        QVERIFY(allowed.contains(ui::thaiFontFamily()));
        // The font actually used for Thai text resolves to that face, not to another Thai font.
        const QFontInfo info(ui::thaiFont(10));
        QVERIFY2(allowed.contains(info.family()), qPrintable(info.family()));
    }
};

QTEST_MAIN(UiTest)
#include "UiTest.moc"
