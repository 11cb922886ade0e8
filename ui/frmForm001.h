// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "compare_dialog.h"
#include "exercise.h"
#include "forms.h"
#include "result_report.h"
#include "screen_fit.h"
#include "screen_reader.h"
#include "window_layout.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tolvar::ui {
class ResultMenu;
}

namespace tolvar::ui {

// The program's one window. Its constructor creates and places every control and then runs
// Form_Load; from there on everything happens in the click handlers.
class frmForm001 : public QWidget {
    Q_OBJECT

  public:
    explicit frmForm001(
        std::unique_ptr<forms::Runtime> runtime = std::make_unique<forms::Runtime>(),
        QWidget* parent = nullptr);
    ~frmForm001() override;

    // How many twips make one logical pixel in the current layout.
    double TwipsPerPixel() const { return layout_->TwipsPerPixel(); }

    // The exercise as the window holds it, to read; only the handlers change it.
    const Exercise& ExerciseState() const { return exercise_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private slots:
    void cmdQuit_Click();
    void cmdAbout_Click();
    void cmdProceed_Click();
    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdEvaluate_Click();
    void cboCombo01_Click();

  private:
    void CreateControls();
    QPushButton* CreateButton(const char* name, const QString& caption, QWidget* in, QRect twips);
    QLabel* CreateLabel(const QString& name, const QString& caption, QWidget* in, QRect twips);
    QGroupBox* CreateFrame(const QString& name, QRect twips);
    void KeepCaptionsReadable();
    void KeepNormalState();
    void SetTabOrder();
    ReflowParts PartsToReflow() const;
    void ConnectHandlers();
    void ApplyLayout();

    void Form_Load();
    void Form_Unload();
    void ResetExercise();
    void ApplyRatingVisibility();
    void ShowQuestion();
    void SaveReply();
    void ShowRatings();
    QString QuestionDescription(const Pair& pair) const;
    void AnnounceQuestion();
    void AnnounceRatings();
    void OfferResult();
    Ratings RatingsShown() const;
    Int16 MarkedMotivator() const;
    std::optional<TodaysResult> Today() const;
    int MsgBox(const QString& text, int style, const QString& title = {});

    std::unique_ptr<forms::Runtime> runtime_;
    Exercise exercise_;
    Int16 blnShowRatings = FALSE_FLAG;
    bool unloaded_ = false;
    ScrollingContent* scrolling_ = nullptr;
    ScreenPlacement* screenPlacement_ = nullptr;
    std::unique_ptr<WindowLayout> layout_;
    Announcer* announcer_ = nullptr;

    QPushButton* cmdQuit = nullptr;
    QPushButton* cmdAbout = nullptr;
    QPushButton* cmdProceed = nullptr;
    QPushButton* cmdPrevious = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdEvaluate = nullptr;
    QComboBox* cboCombo01 = nullptr;
    ResultMenu* resultMenu_ = nullptr;
    std::array<QGroupBox*, 2> Frame1{};
    std::array<QLabel*, 6> Label1{};
    std::array<QLabel*, 2> Label2{};
    std::array<QLabel*, 9> Label3{};
    std::array<QRadioButton*, 8> optButton01{};
};

}  // namespace tolvar::ui
