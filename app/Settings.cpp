#include "app/Settings.h"

#include <algorithm>

#include <QFontDatabase>
#include <QSettings>

#include "ui/Text.h"

namespace tavorin::app {

namespace {
// A value as the file holds it: QSettings gives back texts for what it read, and the value itself
// for what was set during this run.
std::optional<bool> asBool(const QVariant& v) {
    if (v.typeId() == QMetaType::Bool) return v.toBool();
    const QString t = v.toString();
    if (t == QLatin1String("true")) return true;
    if (t == QLatin1String("false")) return false;
    return std::nullopt;
}

std::optional<int> asInt(const QVariant& v, int lo, int hi) {
    bool ok = false;
    const int n = v.toString().toInt(&ok);
    if (!ok || n < lo || n > hi) return std::nullopt;
    return n;
}

QString key(const char* group, const char* name, int k) {
    return QString::fromLatin1(group) + QLatin1Char('/') + QString::fromLatin1(name) + QString::number(k);
}
} // namespace

Settings::Settings(const QString& file) : file_(file) {
    if (file_.isEmpty()) return;
    store_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
    // A file that could not be read is replaced at the next change, not read piecemeal.
    if (store_->status() != QSettings::NoError) store_->clear();
}

Settings::~Settings() {
    if (store_) store_->sync();
}

QString Settings::desktopFile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tavorin"),
                     QStringLiteral("tavorin"))
        .fileName();
}

QVariant Settings::read(const QString& k) const {
    if (store_) return store_->value(k);
    const auto it = memory_.find(k);
    return it == memory_.end() ? QVariant() : it->second;
}

void Settings::write(const QString& k, const QVariant& value) {
    if (!store_) {
        memory_[k] = value;
        return;
    }
    store_->setValue(k, value);
    store_->sync();
}

WindowLayout Settings::layout() const {
    return read(QStringLiteral("view/layout")).toString() == QLatin1String("one") ? WindowLayout::OneWindow
                                                                                  : WindowLayout::TwoWindows;
}

void Settings::setLayout(WindowLayout layout) {
    write(QStringLiteral("view/layout"),
          layout == WindowLayout::OneWindow ? QStringLiteral("one") : QStringLiteral("two"));
}

namespace {
struct TextStep {
    TextSize size;
    const char* name; // in the file
    double scale;
};
constexpr TextStep kTextSteps[] = {{TextSize::Smaller, "smaller", 0.85},
                                   {TextSize::Desktop, "desktop", 1.0},
                                   {TextSize::Larger, "larger", 1.2},
                                   {TextSize::Largest, "largest", 1.4}};
// What Qt gives when the desktop names no size of its own: at it the game looks as it was designed.
constexpr double kPlainDesktopPointSize = 9;
} // namespace

TextSize Settings::textSize() const {
    const QString name = read(QStringLiteral("view/textSize")).toString();
    for (const TextStep& step : kTextSteps)
        if (name == QLatin1String(step.name)) return step.size;
    return TextSize::Desktop;
}

void Settings::setTextSize(TextSize size) {
    for (const TextStep& step : kTextSteps)
        if (step.size == size) write(QStringLiteral("view/textSize"), QString::fromLatin1(step.name));
}

double Settings::textScale(TextSize size, double desktopPointSize) {
    // A desktop's size that no one could read by is its mistake, not a wish.
    const double desktop =
        desktopPointSize > 0 ? std::clamp(desktopPointSize / kPlainDesktopPointSize, 0.75, 2.0) : 1.0;
    for (const TextStep& step : kTextSteps)
        if (step.size == size) return desktop * step.scale;
    return desktop;
}

double Settings::textScale() const {
    // The desktop's own text size, whatever font the game gives its widgets.
    return textScale(textSize(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).pointSizeF());
}

bool Settings::gameLogShown() const { return asBool(read(QStringLiteral("view/log"))).value_or(false); }

void Settings::setGameLogShown(bool shown) { write(QStringLiteral("view/log"), shown); }

int Settings::speedOption() const { return asInt(read(QStringLiteral("computer/speed")), 1, 5).value_or(3); }

void Settings::setSpeedOption(int option) {
    if (option >= 1 && option <= 5) write(QStringLiteral("computer/speed"), option);
}

bool Settings::clickToMove() const {
    return asBool(read(QStringLiteral("play/clickToMove"))).value_or(false);
}

void Settings::setClickToMove(bool on) { write(QStringLiteral("play/clickToMove"), on); }

bool Settings::quietComputer() const {
    return asBool(read(QStringLiteral("computer/quiet"))).value_or(false);
}

void Settings::setQuietComputer(bool on) { write(QStringLiteral("computer/quiet"), on); }

QByteArray Settings::windowPlace(const QString& window) const {
    const QVariant v = read(QStringLiteral("windows/") + window);
    return v.typeId() == QMetaType::QByteArray ? v.toByteArray() : QByteArray();
}

void Settings::setWindowPlace(const QString& window, const QByteArray& place) {
    write(QStringLiteral("windows/") + window, place);
}

std::optional<SetupChoices> Settings::lastPlayers() const {
    const std::optional<int> count = asInt(read(QStringLiteral("lastGame/players")), 2, kMaxPlayers);
    if (!count) return std::nullopt;
    SetupChoices c;
    c.numPlayers = *count;
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const auto i = std::size_t(k);
        const QVariant name = read(key("lastGame", "name", k));
        // A name too long for the name box is not the game's: the row keeps its own.
        if (name.isValid() && name.toString().size() <= kPlayerNameMaxChars)
            c.names[i] = ui::toUtf8(name.toString());
        if (asBool(read(key("lastGame", "computer", k))).value_or(false))
            c.types[i] = std::string(kPlayerTypeComputer);
        c.picturePaths[i] = ui::toUtf8(read(key("lastGame", "picture", k)).toString());
        c.usePicture[i] = !c.picturePaths[i].empty();
    }
    return c;
}

void Settings::setLastPlayers(const SetupChoices& c) {
    write(QStringLiteral("lastGame/players"), c.numPlayers);
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const auto i = std::size_t(k);
        write(key("lastGame", "name", k), ui::qs(c.names[i]));
        write(key("lastGame", "computer", k), c.types[i] == kPlayerTypeComputer);
        write(key("lastGame", "picture", k), c.usePicture[i] ? ui::qs(c.picturePaths[i]) : QString());
    }
}

} // namespace tavorin::app
