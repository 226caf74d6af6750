// SPDX-License-Identifier: GPL-3.0-or-later
// Windows, menus, timers and the application object of the window toolkit.
#pragma once

#include "toolkit/Accessibility.h"
#include "toolkit/Controls.h"
#include "toolkit/FocusRing.h"

#include <QAction>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>
#include <exception>
#include <functional>
#include <optional>
#include <vector>

class TMenuItem;

// The window decorations a form may ask for.
enum TBorderIcons { biNone, biSystemMenu };

class TForm : public TControl<QWidget> {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(int ClientWidth READ GetClientWidth)
    Q_PROPERTY(int ClientHeight READ GetClientHeight)
public:
    TForm(const QString& name, const QString& caption);
    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }

    // The controls go into the client area, below the menu bar if the form has one.
    QWidget* Client() const { return ClientArea; }
    // A fixed single border: the window cannot be resized.
    void SetClientSize(int width, int height);
    int GetClientWidth() const { return ClientWidth; }
    int GetClientHeight() const { return ClientHeight; }
    // The decorations the window system may draw: no minimise or maximise box ever, a close box
    // only with the system menu; stayOnTop keeps the window above the others.
    void SetBorder(TBorderIcons icons, bool stayOnTop);
    void SetMenu(QMenuBar* menu);
    // The window belongs to owner: the window system keeps it above its owner and minimises it
    // with it, which holds where "stay on top" means nothing (Wayland).
    void SetOwner(TForm* owner);

    // Unlike a control's Show, restores the window if it was minimised and raises it.
    void Show();
    // Shows the window to the player: restored if it was minimised, raised and made active.
    void BringToFront();
    void Close() { close(); }
    void SetFocus();
    // Shows the window modally and returns when it is hidden again. Nothing else can be used
    // meanwhile, so nothing may cover it: it stays on top while it is shown, and those windows of
    // giveWay that are shown and stay on top stay below it until it is hidden.
    void ShowModal(const std::vector<TForm*>& giveWay = {});
    // Shows the window without taking the keyboard focus from the active window.
    void ShowInactive();
    // Whether the window stays above the other windows; changed on a shown window, it stays shown
    // where it is (the window system is told; Qt would make the window anew and hide it).
    bool StaysOnTop() const;
    void SetStaysOnTop(bool on);

    // Where the window goes when it is shown, asked at each show: the places on the screen it must
    // not cover (global coordinates). It is put beside its owner where it covers none of them,
    // else centred on the desk. Once the player has moved it, it stays where the player put it.
    std::function<std::vector<QRect>()> KeepClear;
    // Puts the window anew (if it is shown, has KeepClear and was not moved by the player).
    void Place();
    // The outer size, with the window system's frame; before the first show, with the owner's.
    QSize OuterSize() const;
    // Where the window stands on the screen, with its frame.
    QRect OuterRect() const;
    // The window system's frame; before the first show the owner's (own is false then).
    QMargins FrameMargins(bool* own = nullptr) const;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnClose;
    // Reads as a dialog to screen readers, not as a window of its own.
    bool Dialog = false;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab passes the shapes by: they are reached with the arrow keys, a row at a time.
    bool focusNextPrevChild(bool next) override;

private:
    void Layout();
    // The enabled, visible default button (Enter) or cancel button (Escape), if there is one.
    TBitBtn* StandardButton(bool isDefault) const;
    QWidget* ClientArea;
    QMenuBar* Menu = nullptr;
    int ClientWidth = 0;
    int ClientHeight = 0;
    bool Centred = false;
    bool CloseBox = false;
    // Where Place last put the client area, and whether the player has moved the window since.
    std::optional<QPoint> Placed;
    bool PlacedByPlayer = false;
    bool Settling = false; // until the window manager has placed the window
    int PlaceRound = 0;
    TForm* Owner = nullptr;
};

// Where a window of this outer size stands centred on the desk, moved inside it where it would
// stick out.
QPoint CentredPosition(QSize window, const QRect& desk);
// Where a window of this outer size stands wholly on the desk, covering none of keepClear and as
// little of its owner as may be (its client area weighs four times its frame), nearest to the
// owner's centre; none when every place on the desk covers something of keepClear.
std::optional<QPoint> PlaceBeside(QSize window, const QRect& desk, const QRect& ownerFrame, const QRect& ownerClient,
                                  const std::vector<QRect>& keepClear);

class TMenuItem : public QAction {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    TMenuItem(QObject* parent, const QString& name, const QString& caption);
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool on) { setEnabled(on); }
    bool Visible() const { return isVisible(); }
    void SetVisible(bool on) { setVisible(on); }
    // An item that is ticked and unticked by a click (AutoCheck); OnClick runs after the change.
    void SetAutoCheck(bool on) { setCheckable(on); }
    bool Checked() const { return isChecked(); }
    void SetChecked(bool on) { setChecked(on); }
    // Adds an entry below this item, which then opens a drop-down menu.
    void Add(TMenuItem* item);
    void Click();
    TNotifyEvent OnClick;

private:
    QMenu* Entries = nullptr;
};

class TMainMenu : public QMenuBar {
    Q_OBJECT
public:
    TMainMenu(QWidget* parent, const QString& name);
    void Add(TMenuItem* item);
};

class TTimer : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int Interval READ Interval WRITE SetInterval)
public:
    TTimer(QObject* parent, const QString& name, int interval, bool enabled);
    bool Enabled() const { return Timer.isActive(); }
    void SetEnabled(bool on);
    int Interval() const { return Timer.interval(); }
    // A new interval restarts a running timer, as the toolkit does.
    void SetInterval(int ms);
    TNotifyEvent OnTimer;
    // Runs the timer's handler now, as a tick would.
    void Tick();

private:
    QTimer Timer;
};

// The application object: title, the windows it owns, the message loop.
class TApplication {
public:
    void Initialize();
    QString Title;
    // Creates a window into its variable; the first window created is the main window.
    template <class T> void CreateForm(T*& variable)
    {
        variable = new T;
        if (!MainForm)
            MainForm = variable;
        else
            variable->SetOwner(MainForm);
    }
    int Run();
    TForm* MainForm = nullptr;
};

extern TApplication* Application;

// Shows an exception to the user in a message box.
void ShowException(const std::exception& error);
