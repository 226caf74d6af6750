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
    // Shows the window modally and returns when it is hidden again.
    void ShowModal();

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnClose;
    // Reads as a dialog to screen readers, not as a window of its own.
    bool Dialog = false;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
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
    TForm* Owner = nullptr;
};

// Where a window of this outer size stands centred on the desk, moved inside it where it would
// stick out.
QPoint CentredPosition(QSize window, const QRect& desk);

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
