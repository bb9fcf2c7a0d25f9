#include "app/HelpWindow.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "board/BoardPicture.h"
#include "ui/Pictures.h"
#include "ui/TextScale.h"
#include "ui/ThaiFont.h"

static void initHelpPage() { Q_INIT_RESOURCE(help); }

namespace tavorin::app {

namespace {
// The board on the page fits the window's designed width with room for the margins.
constexpr int kBoardWidth = 640;
constexpr int kInlinePicture = 28;

void addPicture(QTextDocument& doc, const char* name, const QImage& image) {
    doc.addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(name)), image);
}
} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    initHelpPage();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("วิธีเล่น"));
    setWindowIcon(ui::appIcon());
    setFont(ui::thaiFont(11));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    page_ = new QTextBrowser(this);
    page_->setObjectName(QStringLiteral("HelpPage"));
    page_->setAccessibleName(QStringLiteral("วิธีเล่น"));
    page_->setOpenLinks(false);
    column->addWidget(page_);

    QTextDocument& doc = *page_->document();
    addPicture(doc, "board.png", board::exampleBoardPicture(kBoardWidth));
    addPicture(doc, "pointer-1.png", board::boardPiece(ui::PictureId::pointer(1), kInlinePicture));
    addPicture(doc, "pointer-2.png", board::boardPiece(ui::PictureId::pointer(2), kInlinePicture));
    addPicture(doc, "token-1.png", board::boardPiece(ui::PictureId::token(1), kInlinePicture));
    addPicture(doc, "houses-4.png",
               board::boardPiece(ui::PictureId::development(ui::Development::Houses4), kInlinePicture));
    addPicture(doc, "tower.png",
               board::boardPiece(ui::PictureId::development(ui::Development::Tower), kInlinePicture));
    addPicture(doc, "mortgaged.png",
               board::boardPiece(ui::PictureId::development(ui::Development::Mortgaged), kInlinePicture));
    QFile file(QStringLiteral(":/help/how-to-play.html"));
    if (file.open(QIODevice::ReadOnly)) page_->setHtml(QString::fromUtf8(file.readAll()));
    resize(kBoardWidth + 80, 680);
    ui::followTextScale(*this);
}

QString aboutText() {
    return QStringLiteral("เกมทาวอริน Version " TAVORIN_VERSION "\n"
                          "เกมซื้อขายที่ดินสำหรับผู้เล่น 2 ถึง 6 คน เป็นคนหรือคอมพิวเตอร์ก็ได้\n\n"
                          "สัญญาอนุญาต: ซอร์สโค้ดของเกมยังไม่ได้ระบุสัญญาอนุญาต\n\n"
                          "ภาพ: ช่องบนกระดาน หมาก ลูกศร ลูกเต๋า บ้าน ตึก ภาพหน้าต่างและไอคอน "
                          "วาดขึ้นสำหรับเกมนี้ด้วยสคริปต์ assets/make-art.py ของเกมเอง\n\n"
                          "แบบอักษร: ชุดแบบอักษรไทย TLWG (Loma, Garuda, Kinnari, Norasi และอื่นๆ) "
                          "จากแพ็กเกจ fonts-thai-tlwg ซึ่งติดตั้งแยกจากเกม "
                          "© 2003-2021 Theppitak Karoonboonyanan และผู้ร่วมพัฒนา "
                          "สัญญาอนุญาต GPL-2+ with Font exception");
}

} // namespace tavorin::app
