#include "framework/WinPanel.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/Polices.hpp"

TWinPanel::TWinPanel(QWidget* parent) : QFrame(parent) {
    resize(120, 80);
    barre_ = new QWidget(this);
    barre_->setAutoFillBackground(true);
    titre_ = new QLabel(this);
    titre_->setFont(Plateforme::Police_Courier(8));
    titre_->setAutoFillBackground(true);
    titre_->setAlignment(posTitre_ | Qt::AlignVCenter);
    fermer_ = new QPushButton(QString(QChar(0x00D7)), this);
    QFont f = fermer_->font();
    f.setPixelSize(11);
    f.setBold(true);
    fermer_->setFont(f);
    fermer_->setFocusPolicy(Qt::NoFocus);
    fermer_->setStyleSheet("QPushButton { padding: 0px; margin: 0px; }");
    connect(fermer_, &QPushButton::clicked, this, &QWidget::hide);
    barre_->installEventFilter(this);
    titre_->installEventFilter(this);
    barre_->setCursor(Qt::SizeAllCursor);
    titre_->setCursor(Qt::SizeAllCursor);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    Applique_Couleurs();
    Dispose();
}

void TWinPanel::setCoulTitre(const QColor& c) {
    if (c == coulTitre_) return;
    coulTitre_ = c;
    Applique_Couleurs();
}

void TWinPanel::setCoulFondTitre(const QColor& c) {
    if (c == coulFondTitre_) return;
    coulFondTitre_ = c;
    Applique_Couleurs();
}

void TWinPanel::setPosTitre(Qt::Alignment a) {
    if (a == posTitre_) return;
    posTitre_ = a;
    titre_->setAlignment(a | Qt::AlignVCenter);
}

void TWinPanel::setBordure(int b) {
    bordure_ = std::max(0, b);
    setLineWidth(bordure_);
    Dispose();
}

void TWinPanel::setBordSimple(bool s) {
    bordSimple_ = s;
    setFrameStyle(s ? (QFrame::Box | QFrame::Plain) : (QFrame::Panel | QFrame::Raised));
    setLineWidth(bordure_);
    Dispose();
}

void TWinPanel::setCaption(const QString& c) {
    caption_ = c;
    update();
}

void TWinPanel::setCaptionFont(const QFont& f) {
    captionFont_ = f;
    update();
}

void TWinPanel::setZoneCaption(const QRect& r) {
    zoneCaption_ = r;
    update();
}

void TWinPanel::setCouleur(const QColor& c) {
    couleur_ = c;
    Applique_Couleurs();
}

void TWinPanel::Applique_Couleurs() {
    QPalette pb = barre_->palette();
    pb.setColor(QPalette::Window, coulFondTitre_);
    barre_->setPalette(pb);
    QPalette pt = titre_->palette();
    pt.setColor(QPalette::Window, coulFondTitre_);
    pt.setColor(QPalette::WindowText, coulTitre_);
    titre_->setPalette(pt);
    QPalette pp = palette();
    pp.setColor(QPalette::Window, couleur_);
    setPalette(pp);
    update();
}

void TWinPanel::Dispose() {
    const int b = bordure_;
    const int w = width();
    barre_->setGeometry(b, b, std::max(0, w - 2 * b - (bordSimple_ ? 4 : 0)), 14);
    titre_->setGeometry(b + 2, b, std::max(0, w - 2 * b - 18), 14);
    const int droite = (bordSimple_ ? 5 : 1) + b;
    fermer_->setGeometry(w - droite - 11, b + 2, 11, 12);
    fermer_->raise();
}

void TWinPanel::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    Dispose();
}

void TWinPanel::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    if (caption_.isEmpty()) return;
    QPainter p(this);
    p.setFont(captionFont_);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(ZoneCaption(), Qt::AlignCenter, caption_);
}

bool TWinPanel::eventFilter(QObject* o, QEvent* e) {
    if (o != barre_ && o != titre_) return false;
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() != Qt::LeftButton) return false;
        glisse_ = true;
        prise_ = mapFromGlobal(m->globalPosition().toPoint());
        raise();
        return true;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (!glisse_ || !(m->buttons() & Qt::LeftButton) || !parentWidget()) return false;
        QPoint coin = parentWidget()->mapFromGlobal(m->globalPosition().toPoint()) - prise_;
        const QSize zone = parentWidget()->size();
        coin.setX(std::clamp(coin.x(), 0, std::max(0, zone.width() - width())));
        coin.setY(std::clamp(coin.y(), 0, std::max(0, zone.height() - height())));
        move(coin);
        return true;
    }
    case QEvent::MouseButtonRelease:
        glisse_ = false;
        return false;
    default: return false;
    }
}
