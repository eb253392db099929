// What start-up is measured against: a bare Qt main window with a menu and
// 52 simple hidden dialogs (a label, an entry, two buttons each), all built
// before the main window is shown.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow principale;
    principale.setWindowTitle(QStringLiteral("Fenêtre nue de référence"));
    std::vector<std::unique_ptr<QDialog>> dialogues;
    std::vector<QMenu*> menus;
    for (int k = 0; k < 7; ++k) menus.push_back(principale.menuBar()->addMenu(QStringLiteral("Menu %1").arg(k + 1)));
    for (int i = 0; i < 52; ++i) {
        auto d = std::make_unique<QDialog>();
        d->setWindowTitle(QStringLiteral("Dialogue %1").arg(i + 1));
        auto* l = new QVBoxLayout(d.get());
        l->addWidget(new QLabel(QStringLiteral("Question %1").arg(i + 1)));
        l->addWidget(new QLineEdit);
        l->addWidget(new QPushButton(QStringLiteral("&Confirmer")));
        l->addWidget(new QPushButton(QStringLiteral("C&ontinuer")));
        QMenu* m = menus[static_cast<std::size_t>(i / 8)];
        QObject::connect(m->addAction(d->windowTitle()), &QAction::triggered, d.get(), &QDialog::exec);
        dialogues.push_back(std::move(d));
    }
    principale.showMaximized();
    return app.exec();
}
