// SPDX-License-Identifier: GPL-3.0-or-later
// The window toolkit's controls, each a thin layer over the matching Qt widget that speaks the
// toolkit's vocabulary: Caption, Enabled, Visible, Color, Position, OnClick, OnMouseDown ...
#pragma once

#include "toolkit/Graphics.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QStringList>
#include <QTextEdit>
#include <functional>
#include <vector>

class QRadioButton;

using TObject = QObject;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = unsigned; // the modifier keys; no handler of the program looks at them

enum TCursor { crDefault, crArrow, crNo, crHandPoint };

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

// Converts a toolkit colour, system colours included, to what the screen shows.
QColor ToQColor(TColor color);
// The toolkit's own light look: button face, black text, white fields. The program's colours
// (black text on the button face, lime numbers, the pegs) were chosen for it, so every window
// keeps it on every desktop, a dark one too, rather than mixing the desktop's colours with its
// own. Disabled text stays readable (4.5 : 1 and more on the face).
const QPalette& ClassicPalette();

// How shapes name their colour for screen readers and tooltips: set once by the program, which
// knows its colours' names. grayIsEmpty: gray is an empty hole rather than a colour of its own.
using ColorNaming = QString (*)(TColor color, bool grayIsEmpty);
void SetColorNaming(ColorNaming naming);
QString ColorName(TColor color, bool grayIsEmpty = true);

// Asks for a font by its toolkit name; the names the program uses fall back through fontconfig.
// A negative height is a character height in pixels, as the toolkit has it.
void SetFont(QWidget* widget, const char* name, int height, bool bold, TColor color = clBlack);
void SetCursor(QWidget* widget, TCursor cursor);
// What every control does first: takes its name and the default cursor.
void InitControl(QWidget* control, const QString& name);

// The control's own Visible and Enabled flags, whatever its parents show; for a window, whether
// it is shown and whether it takes input.
bool OwnVisible(const QWidget* widget);
bool OwnEnabled(const QWidget* widget);
// Fills the widget's background with the colour instead of showing its parent's.
void SetBackground(QWidget* widget, TColor color);

// The common part of every control, whichever Qt widget W it is made of: the Enabled and Visible
// flags, Show and Hide, place and size in the parent's client area. A template cannot carry
// Q_OBJECT: each control declares the properties itself, and moc takes these functions for them.
template <class W> class TControl : public W {
public:
    using W::W;
    bool Enabled() const { return OwnEnabled(this); }
    void SetEnabled(bool on) { this->setEnabled(on); }
    bool Visible() const { return OwnVisible(this); }
    void SetVisible(bool on) { this->setVisible(on); }
    void Show() { this->setVisible(true); }
    void Hide() { this->setVisible(false); }
    void SetBounds(int left, int top, int width, int height) { this->setGeometry(left, top, width, height); }
};

// A control whose Caption is the text its Qt widget shows.
template <class W> class TCaptionControl : public TControl<W> {
public:
    using TControl<W>::TControl;
    QString Caption() const { return this->text(); }
    void SetCaption(const QString& caption) { this->setText(caption); }
};

// A control C with a colour of its own (Color) that fills its background: clBtnFace, the system's
// face colour, until it is given another; whether it fills before that is the control's choice.
template <class C> class TColorControl : public C {
public:
    using C::C;
    uint Color() const { return Colour; }
    void SetColor(uint color)
    {
        Colour = color;
        SetBackground(this, color);
    }

private:
    TColor Colour = clBtnFace;
};

enum TShapeType { stCircle, stRoundSquare };

class TShape : public TControl<QWidget> {
    Q_OBJECT
    Q_PROPERTY(uint BrushColor READ BrushColor WRITE SetBrushColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    TShape(QWidget* parent, const QString& name, TShapeType shape);
    uint BrushColor() const { return Brush; }
    void SetBrushColor(uint color);
    // The accessible name is this text followed by the colour's name, kept up to date with the
    // brush, so that a screen reader reads the board as it is. The colour is named only while the
    // shape can be seen: a hidden window gives nothing away.
    void SetAccessibleText(const QString& text);
    // A tooltip that names the colour the shape shows, kept up to date with the brush.
    void SetColorTip(bool on);
    // A shape the player can press: it takes the keyboard focus from the program (never from a
    // click, and Tab passes it by) and reads as a button to screen readers; the window's focus
    // ring presses it with Space.
    void SetTakesInput(bool on);
    bool TakesInput() const { return Input; }
    // Whether the player may press it now; a screen reader reads it as unavailable otherwise.
    std::function<bool()> Available;
    // The keyboard's focus ring, drawn around the shape once the player uses the keyboard.
    void SetRing(bool on);
    bool Ring() const { return RingOn; }
    // Whether the shape shows the symbol of its colour (see SetSymbolPainter).
    void SetShowsSymbol(bool on);
    TMouseEvent OnMouseDown;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void UpdateNames();
    TShapeType Shape;
    bool ColorTip = false;
    bool Input = false;
    bool RingOn = false;
    bool ShowsSymbol = false;
    TColor Brush = clWhite;
    QString AccessibleText;
};

// Draws a colour's symbol into box, or nothing; set once by the program, which knows its colours.
// Shapes that show symbols call it while symbols are switched on.
using SymbolPainter = void (*)(QPainter& painter, const QRectF& box, TColor color);
void SetSymbolPainter(SymbolPainter painter);
void SetSymbolsShown(bool on);
bool SymbolsShown();

// A press from the keyboard: goes where a mouse press at the control's centre would go, that is
// to the control itself or, while it is disabled, to its nearest enabled parent.
void KeyboardPress(QWidget* control);

class TPanel : public TColorControl<TControl<QFrame>> {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    TPanel(QWidget* parent, const QString& name);
    QString Caption() const { return Text; }
    void SetCaption(const QString& caption) { Text = caption; }
    // Lowered outer bevel of the given width; a single border draws a line around it.
    void SetBevel(int width, bool singleBorder = false);
    TMouseEvent OnMouseDown;

protected:
    // An enabled panel takes every press on its own background, handler or not.
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString Text;
};

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkClose, bkAbort };

class TBitBtn : public TCaptionControl<QPushButton> {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    TBitBtn(QWidget* parent, const QString& name, const QString& caption, TBitBtnKind kind = bkCustom);
    TBitBtnKind Kind() const { return ButtonKind; }
    // Runs the button's click action even while it is disabled; a mouse click on a disabled
    // button does nothing.
    void Click();
    void SetGlyph(const QIcon& icon) { setIcon(icon); }
    TNotifyEvent OnClick;
    bool Default = false; // Enter in its window presses it
    bool Cancel = false;  // Escape in its window presses it

private:
    TBitBtnKind ButtonKind;
};

// What the labels share: a caption, and a colour that fills the background once it is set.
class TCustomLabel : public TColorControl<TCaptionControl<QLabel>> {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    TCustomLabel(QWidget* parent, const QString& name, const QString& caption);
};

// Drawn on its parent's background until it is given a colour of its own.
class TLabel : public TCustomLabel {
    Q_OBJECT
public:
    using TCustomLabel::TCustomLabel;
};

// A label with a sunken frame and a background of its own. A new caption is announced to screen
// readers (by the label itself).
class TStaticText : public TCustomLabel {
    Q_OBJECT
public:
    TStaticText(QWidget* parent, const QString& name, const QString& caption);
};

// What the group boxes share: the caption is the title, drawn the toolkit's way.
class TCustomGroupBox : public TControl<QGroupBox> {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    TCustomGroupBox(QWidget* parent, const QString& name, const QString& caption);
    QString Caption() const { return title(); }
    void SetCaption(const QString& caption) { setTitle(caption); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TGroupBox : public TCustomGroupBox {
    Q_OBJECT
public:
    using TCustomGroupBox::TCustomGroupBox;
};

// A vertically scrolling box; its controls go into Content().
class TScrollBox : public TControl<QScrollArea> {
    Q_OBJECT
    Q_PROPERTY(int VertScrollBarPosition READ VertScrollBarPosition WRITE SetVertScrollBarPosition)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    TScrollBox(QWidget* parent, const QString& name);
    QWidget* Content() const { return widget(); }
    // The scrolled range: the bottom of the lowest control.
    void SetRange(int width, int height);
    int VertScrollBarPosition() const;
    void SetVertScrollBarPosition(int position);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // A position set before the box is laid out waits until its range is known.
    int PendingPosition = -1;
};

// A status bar with one simple panel: a label whose text is the panel's.
class TStatusBar : public TCustomLabel {
    Q_OBJECT
    Q_PROPERTY(QString SimpleText READ SimpleText WRITE SetSimpleText)
public:
    TStatusBar(QWidget* parent, const QString& name);
    QString SimpleText() const { return text(); }
    void SetSimpleText(const QString& text) { setText(text); }
    // A new message: shown, and announced to screen readers (SetSimpleText, as the blinking uses
    // it, is not).
    void SetMessage(const QString& text);
};

// A control whose Position is its Qt widget's value.
template <class W> class TPositionControl : public TControl<W> {
public:
    using TControl<W>::TControl;
    int Position() const { return this->value(); }
    void SetPosition(int position) { this->setValue(position); }
};

class TProgressBar : public TPositionControl<QProgressBar> {
    Q_OBJECT
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    TProgressBar(QWidget* parent, const QString& name);
};

// OnChange runs whenever the position changes, moved by the user or set by code.
class TTrackBar : public TPositionControl<QSlider> {
    Q_OBJECT
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    TTrackBar(QWidget* parent, const QString& name, int min, int max, int position);
    TNotifyEvent OnChange;
};

// Writing ItemIndex behaves as the user's choice: OnClick runs, when the choice changes.
class TRadioGroup : public TCustomGroupBox {
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
public:
    TRadioGroup(QWidget* parent, const QString& name, const QString& caption, const QStringList& items);
    int ItemIndex() const { return Index; }
    void SetItemIndex(int index);
    QRadioButton* Button(int index) const { return Buttons.at(static_cast<size_t>(index)); }
    TNotifyEvent OnClick;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<QRadioButton*> Buttons;
    int Index = -1;
};

class TCheckBox : public TCaptionControl<QCheckBox> {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    TCheckBox(QWidget* parent, const QString& name, const QString& caption);
    bool Checked() const { return isChecked(); }
    void SetChecked(bool on) { setChecked(on); }
};

// A read-only memo with centred lines.
class TMemo : public TControl<QTextEdit> {
    Q_OBJECT
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    TMemo(QWidget* parent, const QString& name);
    QStringList Lines() const { return Text; }
    void SetLines(const QStringList& lines);

private:
    QStringList Text;
};
