#include "table_fixture.h"

frmTumblecrag &openTable()
{
    frmTumblecrag &table = form<frmTumblecrag>();
    table.Show();
    return table;
}

void click(QAbstractButton *button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

void click(QWidget *window, const QString &name)
{
    auto *button = window->findChild<QAbstractButton *>(name);
    ASSERT_NE(button, nullptr) << qPrintable(name);
    click(button);
}

void choose(frmTumblecrag &table, const QString &itemName)
{
    auto *action = table.findChild<QAction *>(itemName);
    ASSERT_NE(action, nullptr) << qPrintable(itemName);
    action->trigger();
}

void tick(frmTumblecrag &table, const QString &timerName, int times)
{
    for (int i = 0; i < times; ++i)
        ASSERT_TRUE(seam::fireTimer(&table, timerName)) << qPrintable(timerName) << " is off";
}

bool shown(const QWidget *control)
{
    return !control->isHidden();
}

std::array<int, 5> dice()
{
    const auto &s = Module1;
    return {s.Die1.value(), s.Die2.value(), s.Die3.value(), s.Die4.value(), s.Die5.value()};
}

std::array<int, 5> holds()
{
    const auto &s = Module1;
    return {s.Hold1.value(), s.Hold2.value(), s.Hold3.value(), s.Hold4.value(), s.Hold5.value()};
}

void setDice(std::array<int, 5> faces)
{
    Module1.Die1 = faces[0];
    Module1.Die2 = faces[1];
    Module1.Die3 = faces[2];
    Module1.Die4 = faces[3];
    Module1.Die5 = faces[4];
    Module1.PlayerRolled = 1;
}

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
