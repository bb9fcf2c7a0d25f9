#include "setup/SetupPictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include "ui/Pictures.h"
#include "ui/Text.h"

namespace tavorin::setupui {

QPixmap defaultTokenPixmap(int player, int sizePx) {
    return ui::picture(ui::PictureId::token(player), QSize(sizePx, sizePx));
}

PictureProblem openPictureFile(const std::string& path) {
    const QString file = ui::qs(path);
    if (!QFileInfo(file).isFile()) return PictureProblem::Missing;
    // Reading the whole picture, not only its header: a truncated file must not pass here and then
    // show as an empty token.
    QImageReader reader(file);
    return reader.read().isNull() ? PictureProblem::NotAPicture : PictureProblem::None;
}

QPixmap picturePreview(const QString& path, int sizePx) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) return {};
    return QPixmap::fromImage(image.scaled(sizePx, sizePx, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace tavorin::setupui
