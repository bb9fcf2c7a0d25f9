// The message-box service, the Thai font every window uses and the deed lists' columns.
#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "engine/Board.h"
#include "engine/DeedLine.h"
#include "tests/ui/QtSupport.h"
#include "ui/DeedColumns.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"
#include "ui/ThaiFont.h"

using namespace tavorin;

Q_DECLARE_METATYPE(tavorin::DeedLine)

class UiTest : public QObject {
    Q_OBJECT
private slots:
    void answererReceivesTheBoxAndChoosesTheButton() {
        test::MessageRecorder recorder;
        recorder.answers = {MsgResult::Cancel};
        const MsgResult r = ui::showMessage(nullptr, "Confirm exit", "คุณต้องการจะออกจากเกมแน่นะ",
                                            MsgButtons::OkCancel, MsgIcon::Question);
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

    // The box itself, as a person sees it: its buttons read in Thai, and each still answers what
    // it stands for.
    void realBoxButtonsReadInThai_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("answer");
        const QString ok = QStringLiteral("ตกลง"), cancel = QStringLiteral("ยกเลิก"),
                      retry = QStringLiteral("ลองใหม่");
        QTest::newRow("OK alone") << int(MsgButtons::Ok) << QStringList{ok} << ok << int(MsgResult::Ok);
        QTest::newRow("OK of OK and Cancel")
            << int(MsgButtons::OkCancel) << QStringList{ok, cancel} << ok << int(MsgResult::Ok);
        QTest::newRow("Cancel of OK and Cancel")
            << int(MsgButtons::OkCancel) << QStringList{ok, cancel} << cancel << int(MsgResult::Cancel);
        QTest::newRow("Retry of Retry and Cancel")
            << int(MsgButtons::RetryCancel) << QStringList{retry, cancel} << retry << int(MsgResult::Retry);
        QTest::newRow("Cancel of Retry and Cancel")
            << int(MsgButtons::RetryCancel) << QStringList{retry, cancel} << cancel << int(MsgResult::Cancel);
    }
    void realBoxButtonsReadInThai() {
        QFETCH(int, buttons);
        QFETCH(QStringList, captions);
        QFETCH(QString, pressed);
        QFETCH(int, answer);
        QStringList shown;
        // Once the box is up, read its buttons and press one the way a person would.
        QTimer press;
        press.setInterval(10);
        connect(&press, &QTimer::timeout, this, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible()) continue;
                press.stop();
                QAbstractButton* chosen = nullptr;
                for (QAbstractButton* b : box->buttons()) {
                    shown << b->text();
                    if (b->text() == pressed) chosen = b;
                }
                if (chosen)
                    QTest::mouseClick(chosen, Qt::LeftButton);
                else
                    box->reject();
            }
        });
        press.start();
        const MsgResult r = ui::showMessage(nullptr, "Tavorin", "ข้อความ", MsgButtons(buttons));
        shown.sort();
        captions.sort();
        QCOMPARE(shown, captions);
        QCOMPARE(int(r), answer);
    }

    // The deed lines as the game writes them, split into the columns the lists draw.
    void deedLinesSplitIntoTheirColumns_data() {
        QTest::addColumn<DeedLine>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("buildings");
        QTest::addColumn<QString>("tip");
        const auto line = [](int deed, int owner, int houses, int towers, bool mortgaged, int width,
                             NumberGap gap, bool markOwned) {
            DeedRecord r;
            r.Name = std::string(kDeedTable[std::size_t(deed)].name);
            r.Owner = std::uint8_t(owner);
            r.Houses = std::uint8_t(houses);
            r.Towers = std::uint8_t(towers);
            r.Mortgaged = mortgaged ? kTrue : kFalse;
            return HoldingsLine(deed, r, width, gap, markOwned);
        };
        const auto t = [](const char* s) { return QString::fromUtf8(s); };
        const auto sp = [](int n) { return QString(n, QLatin1Char(' ')); };
        const QString mortgagedTip = t("(จ.) ที่ดินนี้ติดจำนองอยู่");
        QTest::newRow("main list, free")
            << line(5, 0, 0, 0, false, 15, NumberGap::ThreeColumns, true) << t("5  กรุงเทพฯ") << t("5")
            << t("กรุงเทพฯ") << QString() << QString();
        QTest::newRow("main list, owned and built")
            << line(1, 2, 2, 0, false, 15, NumberGap::ThreeColumns, true)
            << t("1  บางปะอิน *") + sp(15 - 9) + t("บ้าน 2 ตึก 0") << t("1") << t("บางปะอิน *") << t("บ้าน 2 ตึก 0")
            << t("* โฉนดนี้มีเจ้าของแล้ว");
        QTest::newRow("longest name, tower") << line(7, 1, 4, 1, false, 40, NumberGap::ThreeColumns, false)
                                             << t("7  ข.ศรีนครินทร์") + sp(40 - 14) + t("บ้าน 4 ตึก 1") << t("7")
                                             << t("ข.ศรีนครินทร์") << t("บ้าน 4 ตึก 1") << QString();
        QTest::newRow("mortgaged") << line(22, 3, 0, 0, true, 40, NumberGap::ThreeColumns, false)
                                   << t("22 การประปา (จ.)") << t("22") << t("การประปา (จ.)") << QString()
                                   << mortgagedTip;
        QTest::newRow("bid window gap") << line(12, 1, 3, 0, false, 40, NumberGap::AsManyAsDigits, false)
                                        << t("12  วัดสุทัศน์") + sp(40 - 12) + t("บ้าน 3 ตึก 0") << t("12")
                                        << t("วัดสุทัศน์") << t("บ้าน 3 ตึก 0") << QString();
        QTest::newRow("bank sale, buildings sold, padding kept")
            << DeedLine{.deed = 28, .name = "ภูเก็ต", .width = 35, .padded = true} << t("28 ภูเก็ต") + sp(35 - 8)
            << t("28") << t("ภูเก็ต") << QString() << QString();
        QTest::newRow("chosen for redemption")
            << DeedLine{.deed = 1, .name = "บางปะอิน", .mark = DeedMark::Redeeming, .gap = NumberGap::OneSpace}
            << t("1 บางปะอิน ") << t("1") << t("บางปะอิน") << QString() << QString();
    }
    void deedLinesSplitIntoTheirColumns() {
        QFETCH(DeedLine, line);
        QTEST(ui::qs(line.text()), "text");
        const ui::DeedLineParts parts = ui::partsOf(line);
        QTEST(parts.number, "number");
        QTEST(parts.name, "name");
        QTEST(parts.buildings, "buildings");
        QTEST(ui::deedMarkTip(parts.mark), "tip");
    }

    // Buildings stand in one column whatever the name before them, in any font size.
    void buildingsLineUpInOneColumn() {
        for (int points : {9, 11, 20}) {
            const QFontMetrics fm(ui::thaiFont(points));
            const auto at = [&](const char* number, const char* name, const char* buildings) {
                return ui::layOutDeedLine(
                    {QString::fromUtf8(number), QString::fromUtf8(name), QString::fromUtf8(buildings)}, fm);
            };
            const ui::DeedLineLayout shortName = at("3", "วัดอรุณฯ", "บ้าน 1 ตึก 0");
            const ui::DeedLineLayout longName = at("19", "วัดเบญจมบพิตร *", "บ้าน 4 ตึก 1");
            QCOMPARE(shortName.name, longName.name);
            QCOMPARE(shortName.buildings, longName.buildings);
            QVERIFY(longName.buildings >
                    longName.name + fm.horizontalAdvance(QString::fromUtf8("วัดเบญจมบพิตร (จ.)")));
            // A name longer than any on the board pushes its own buildings right instead of under them.
            const ui::DeedLineLayout foreign = at("1", "ชื่อที่ยาวมากกว่าชื่อใดๆบนกระดาน", "บ้าน 1 ตึก 0");
            QVERIFY(foreign.buildings > longName.buildings);
        }
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
