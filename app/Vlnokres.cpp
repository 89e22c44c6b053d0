#include "Vlnokres.h"

#include "AppIcon.h"
#include "Form.h"
#include "NumberText.h"
#include "PaceControl.h"
#include "animation/EventLoopPacer.h"

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

Vlnokres::Vlnokres(QWidget *parent)
    : QWidget(parent), m_surface(*this, kClientSize), m_pacer(std::make_unique<EventLoopPacer>(*this))
{
    setObjectName(QStringLiteral("Vlnokres"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowIcon(appIcon());
    resize(kClientSize);
    buildForm(*this);

    for (QLabel *label : findChildren<QLabel *>())
        m_surface.addLabel(label);
    m_boxes = {
        .amplitude = control<QLineEdit>("nAmplituda"),
        .frequency = control<QLineEdit>("nFrekvence"),
        .phase = control<QLineEdit>("nFáza"),
        .slowdown = control<QLineEdit>("nSpomaleni"),
    };
    connectPaceControl(*control<QScrollBar>("HScroll1"), *m_boxes.slowdown);
    writeStartUpValues();

    connect(control<QPushButton>("cmdAnimace"), &QPushButton::clicked, this,
            [this] { runStartCommand(m_boxes, {m_surface, *m_pacer, m_heldInput}); });
    connect(control<QPushButton>("cmdKonec"), &QPushButton::clicked, this, &QWidget::close);
}

template <typename Control>
Control *Vlnokres::control(const char *name) const
{
    auto *found = findChild<Control *>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT(found);
    return found;
}

void Vlnokres::writeStartUpValues()
{
    m_boxes.amplitude->setText(writeNumber(0.5));
    m_boxes.frequency->setText(writeNumber(1));
    m_boxes.phase->setText(writeNumber(90));
    m_boxes.slowdown->setText(writeNumber(1));
    control<QScrollBar>("HScroll1")->setValue(1);
}

void Vlnokres::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    m_surface.paint(painter, event->rect());
}

} // namespace vlnokres
