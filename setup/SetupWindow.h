// The setup window "DEFINENUMOFPLAYER": how many play, their names, person or computer, each token's
// picture, the first-lap rule and the initial deal. OK turns the choices into a NewGameSetup and
// hands it to the program, which starts the game.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QMetaType>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "engine/Game.h"
#include "setup/NewGameRules.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tavorin::setupui {

class PictureChooser;
class TwipLayout;

class SetupWindow : public QWidget {
    Q_OBJECT
public:
    // `startFolder` is where the picture chooser first looks.
    explicit SetupWindow(const QString& startFolder, QWidget* parent = nullptr);
    ~SetupWindow() override;

    // The player (1..6) whose picture the chooser is working for.
    int PlayerLFF = 0;

    // The saved game's name typed in the start window; it goes with the new game.
    void setFileName(const QString& fileName) { fileName_ = fileName; }
    const QString& fileName() const { return fileName_; }

    // The picture chooser, created the first time it is needed.
    PictureChooser& pictureChooser();
    // The chooser hands back player k's file: FImg k shows the path, ImgC k the preview.
    void showChosenPicture(int player, const QString& path, const QPixmap& preview);
    // The side of a row's token pictures, in pixels, at the text size of the moment.
    int picturePx() const { return picturePx_; }
    QString playerName(int player) const;

    // The controls as plain values, as OK reads them.
    SetupChoices choices() const;
    // Fills the number of players and every row (name, person or computer, picture) from `c`, as a
    // player would; the game's rules and the initial deal keep what they show.
    void offerChoices(const SetupChoices& c);

    void setQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }

signals:
    void newGameRequested(QString fileName, tavorin::NewGameSetup setup);

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nameControls();
    void buildRow(int k);
    void buildPictureFrame(int k);
    void Option_Click(int n);
    void OpgD_Click(int k);
    void OpgC_Click(int k);
    void CImgButton_Click(int k);
    void OpgINIdeed1_Click();
    void OpgINIdeed2_Click();
    void buildEndRule(const TwipLayout& t);
    void OKButton_Click();
    int selectedOption() const;

    template <class T> using Row = std::array<T*, kMaxPlayers + 1>;

    QString startFolder_;
    QString fileName_;
    QGroupBox* frame1_ = nullptr;
    Row<QRadioButton> option_{};
    Row<QLineEdit> name_{};
    Row<QComboBox> type_{};
    Row<QGroupBox> pictureFrame_{};
    Row<QRadioButton> opgD_{};
    Row<QLabel> imgD_{};
    Row<QRadioButton> opgC_{};
    Row<QLabel> imgC_{};
    Row<QLineEdit> fImg_{};
    Row<QPushButton> cImgButton_{};
    QCheckBox* checkBuyFirstLoop_ = nullptr;
    QRadioButton* opgINIdeed1_ = nullptr;
    QRadioButton* opgINIdeed2_ = nullptr;
    QComboBox* cmbINInumofdeed_ = nullptr;
    QCheckBox* checkEndRule_ = nullptr;
    QSpinBox* spinEndLimit_ = nullptr;
    QComboBox* cmbEndKind_ = nullptr;
    std::unique_ptr<PictureChooser> chooser_;
    std::function<void()> quit_;
    int picturePx_ = 0;
};

} // namespace tavorin::setupui

Q_DECLARE_METATYPE(tavorin::NewGameSetup)
