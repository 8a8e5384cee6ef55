// Qt widgets for the controls that Qt has no ready widget for.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QWidget>

#include <string>
#include <vector>

#include "platform/include/plat/window.h"

namespace plat::desktop {

// A static text: a transparent stand-in whose text the control procedure
// paints on the parent's canvas (so WM_CTLCOLORSTATIC and subclassing apply).
class CStaticWidget : public QWidget {
 public:
  CStaticWidget(HWND hwnd, QWidget* parent);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  HWND m_hwnd;
};

// An edit. Read-only it takes its background from the brush its parent
// answers to WM_CTLCOLORSTATIC (the dialog face when none), as a static does.
class CEditWidget : public QLineEdit {
 public:
  CEditWidget(HWND hwnd, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void TakeParentBackground();
  HWND m_hwnd;
  bool m_tinted = false;  // the palette holds a parent's background
};

// A tab control: the tabs on top and a frame around the page area, whose
// inside stays transparent so the dialog's painting shows through.
class CTabControlWidget : public QWidget {
 public:
  CTabControlWidget(HWND hwnd, QWidget* parent);
  QTabBar* Bar() { return m_bar; }
  // The page area in the control's client coordinates.
  // Shows the model's tabs and selection without reporting a change.
  void Show(const std::vector<std::string>& tabs, int current);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void OnChanged(int index);
  HWND m_hwnd;
  QTabBar* m_bar;
  bool m_quiet = false;
};

// Paints owner-drawn list and combo items with WM_DRAWITEM.
class COwnerDrawDelegate : public QStyledItemDelegate {
 public:
  COwnerDrawDelegate(HWND control, QObject* parent);
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  HWND m_control;
};

// A drop-down list whose closed field is owner-drawn.
class COwnerDrawCombo : public QComboBox {
 public:
  COwnerDrawCombo(HWND hwnd, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  HWND m_hwnd;
};

// Sends WM_DRAWITEM for one item to the control's parent; false when it
// cannot be sent now (another program's answer is awaited).
bool DrawOwnerItem(HWND control, QPainter* painter, QWidget* paintedWidget, int item, UINT state,
                   const QRect& rect);

}  // namespace plat::desktop
