#pragma once
// TUpDownLong: a pair of arrow buttons holding a 32-bit Position between Min and
// Max, bound to an edit (Associate) into which it writes its number.

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include <cstdint>

class QToolButton;

namespace vantorim::common {

enum TUDBtnType { btNext, btPrev };
enum TUDOrientation { udHorizontal, udVertical };
enum TUDAlignButton { udLeft, udRight };
enum TUpDownDirection { updNone, updUp, updDown };

class TUpDownLong : public QWidget {
  Q_OBJECT
public:
  explicit TUpDownLong(QWidget* parent = nullptr);
  ~TUpDownLong() override;

  std::int32_t Min() const { return m_min; }
  std::int32_t Max() const { return m_max; }
  std::int32_t Position() const { return m_position; }
  std::int32_t Increment() const { return m_increment; }
  bool Wrap() const { return m_wrap; }
  bool Thousands() const { return m_thousands; }
  bool ArrowKeys() const { return m_arrowKeys; }
  TUDOrientation Orientation() const { return m_orientation; }
  TUDAlignButton AlignButton() const { return m_alignButton; }
  QLineEdit* Associate() const { return m_associate; }

  void setMin(std::int32_t v);
  void setMax(std::int32_t v);
  // Stores the value (kept within Min..Max) and writes it into the associated edit.
  void setPosition(std::int32_t v);
  void setIncrement(std::int32_t v) { m_increment = v; }
  void setWrap(bool v) { m_wrap = v; }
  void setThousands(bool v) { m_thousands = v; }
  void setArrowKeys(bool v) { m_arrowKeys = v; }
  void setOrientation(TUDOrientation v);
  void setAlignButton(TUDAlignButton v) { m_alignButton = v; }
  // Binds an edit; false (with `error` set to the message) when the edit
  // already belongs to another up-down.
  bool setAssociate(QLineEdit* edit, QString* error = nullptr);

  // One step as a click on a button would make it.
  void step(TUDBtnType button);

signals:
  void OnChanging(bool& allowChange);
  void OnChangingEx(bool& allowChange, std::int32_t newValue, vantorim::common::TUpDownDirection direction);
  void OnClick(vantorim::common::TUDBtnType button);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void writeText();

  std::int32_t m_min = 0, m_max = 100, m_position = 0, m_increment = 1;
  bool m_wrap = false, m_thousands = true, m_arrowKeys = true;
  TUDOrientation m_orientation = udVertical;
  TUDAlignButton m_alignButton = udRight;
  QPointer<QLineEdit> m_associate;
  QToolButton* m_up;
  QToolButton* m_down;
};

}  // namespace vantorim::common
