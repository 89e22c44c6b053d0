#include "MainWindow.h"

#include "AppIcon.h"
#include "ControlNames.h"
#include "Form.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "PaceControl.h"
#include "core/StartUpValues.h"

#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace vlnokres {

namespace {
constexpr auto kCaption = "Součet dvou sinusoid - https://vlnokres.example/";
}

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent), m_surface(*this, kClientSize), m_pacer(std::make_unique<EventLoopPacer>(*this, m_clock)),
      m_refuse([this](const Message &message) { showMessageBox(*this, message); })
{
    setObjectName(QString::fromUtf8(names::kMainWindow));
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowIcon(appIcon());
    resize(kClientSize);
    buildForm(*this);

    for (QLabel *label : findChildren<QLabel *>())
        m_surface.addLabel(label);
    m_boxes = {
        .amplitude = control<QLineEdit>(names::kAmplitude),
        .frequency = control<QLineEdit>(names::kFrequency),
        .phase = control<QLineEdit>(names::kPhase),
        .slowdown = control<QLineEdit>(names::kSlowdown),
    };
    connectPaceControl(*control<QScrollBar>(names::kPace), *m_boxes.slowdown);
    writeStartUpValues();

    connect(control<QPushButton>(names::kStart), &QPushButton::clicked, this, &MainWindow::start);
    connect(control<QPushButton>(names::kExit), &QPushButton::clicked, this, &QWidget::close);
}

// The form is built from a fixed table, so a missing control is a fault of the program itself.
template <typename Control>
Control *MainWindow::control(const char *name) const
{
    auto *found = findChild<Control *>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
    if (!found)
        qFatal("The form has no control named %s", name);
    return found;
}

void MainWindow::writeStartUpValues()
{
    m_boxes.amplitude->setText(writeNumber(startup::kAmplitude));
    m_boxes.frequency->setText(writeNumber(startup::kFrequency));
    m_boxes.phase->setText(writeNumber(startup::kPhaseDegrees));
    m_boxes.slowdown->setText(writeNumber(startup::kSlowdown));
    control<QScrollBar>(names::kPace)->setValue(startup::kSlowdown);
}

void MainWindow::start() { runStartCommand(m_boxes, {m_surface, *m_pacer, m_heldInput, m_refuse}); }

void MainWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    m_surface.paint(painter, event->rect());
}

} // namespace vlnokres
