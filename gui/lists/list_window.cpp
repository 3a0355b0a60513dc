#include "list_window.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "life_years_delegate.h"
#include "lists/person_choice.h"
#include "lists/sorted_book.h"
#include "lists/standard_lists.h"
#include "qt_language.h"
#include "qt_printer.h"
#include "qt_text.h"

namespace kord::gui {

ListWindow::ListWindow(kord::Session& session, QWidget* parent) : SecondaryWindow(parent), s_(session) {
  setCaption(this, "Lista", "List");
  liber_ = new QListWidget(this);
  liber_->setObjectName(QStringLiteral("Liber"));
  QString family = lineDrawingFamily();
  liber_->setFont(family.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QFont(family));
  showLifeYears(liber_);
  auto* refresh = new QPushButton(QStringLiteral("Refresh"), this);
  refresh->setObjectName(QStringLiteral("Command1"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(liber_);
  layout->addWidget(refresh, 0, Qt::AlignRight);
  connect(liber_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ListClick(s_, static_cast<std::size_t>(liber_->row(item))); });
  connect(refresh, &QPushButton::clicked, this, [this] {
    RefreshList(s_);
    render();
  });
  resize(520, 560);
}

void ListWindow::render() {
  liber_->clear();
  const std::vector<std::string> years = s_.list.Liber.empty() ? std::vector<std::string>() : LifeYearsByIndex(s_);
  for (const auto& item : s_.list.Liber) {
    auto* line = new QListWidgetItem(displayText(ListLineText(item.text)), liber_);
    line->setData(Qt::UserRole, item.itemData);
    line->setData(kLifeYearsRole, lifeYearsText(years, item.itemData));
  }
}

}  // namespace kord::gui
