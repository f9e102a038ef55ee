#include "fuselage/fuselage_list.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <utility>

#include "base/change_all_or_none.h"

namespace ferlo {

FuselageList::FuselageList(LengthUnit units, const ColorRGB& defaultColor) { initFuselages(units, defaultColor); }

const FuselageList::Entry& FuselageList::entry(int i) const {
    if (i < 1 || i > nbFuselages()) throw std::out_of_range("there is no fuselage " + std::to_string(i));
    return entries[static_cast<std::size_t>(i - 1)];
}

FuselageList::Entry& FuselageList::entry(int i) {
    return const_cast<Entry&>(static_cast<const FuselageList&>(*this).entry(i));
}

MeshSections& FuselageList::fuselage(int i) { return entry(i).fuselage; }
const MeshSections& FuselageList::fuselage(int i) const { return entry(i).fuselage; }

FuselageList::Entry FuselageList::newEntry(MeshSections fuselage, int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", number);
    return Entry{std::move(fuselage), std::string("Fuselage ") + digits};
}

const std::string& FuselageList::rowText(int i) const { return entry(i).rowText; }
void FuselageList::setRowText(int i, std::string text) { entry(i).rowText = std::move(text); }

bool FuselageList::shown(int i) const { return entry(i).shown; }
void FuselageList::setShown(int i, bool isShown) { entry(i).shown = isShown; }

void FuselageList::showAll() {
    for (Entry& e : entries) e.shown = true;
}

void FuselageList::initFuselages(LengthUnit units, const ColorRGB& defaultColor) {
    entries.assign(1, newEntry(MeshSections(units, defaultColor), 1));
    currentFuselage = 1;
}

bool FuselageList::addFuselage(bool ctrlkey_tab, LengthUnit units, const ColorRGB& defaultColor) {
    if (nbFuselages() >= kMaxFuselages) return false;
    // Made before the list grows, so that a copy is of the fuselage current until now.
    MeshSections added = MeshSections::newFuselage(ctrlkey_tab, current(), units, defaultColor);
    entries.push_back(newEntry(std::move(added), nbFuselages() + 1));
    currentFuselage = nbFuselages();
    return true;
}

bool FuselageList::removeLastFuselage() {
    if (nbFuselages() <= 1) return false;
    entries.pop_back();
    currentFuselage = nbFuselages();
    return true;
}

void FuselageList::keepCurrentInList() {
    currentFuselage = std::clamp<std::int16_t>(currentFuselage, 1, nbFuselages());
}

void FuselageList::createFuselages() {
    for (Entry& e : entries) {
        if (e.shown) e.fuselage.create();
    }
}

void FuselageList::rescaleFuselages(double k) {
    changeAllOrNone(entries, [k](Entry& e) { e.fuselage.rescale(k); });
}

void FuselageList::switchFuselagesToInches() {
    changeAllOrNone(entries, [](Entry& e) { e.fuselage.switchToInches(); });
}

void FuselageList::switchFuselagesToMillimeters() {
    changeAllOrNone(entries, [](Entry& e) { e.fuselage.switchToMillimeters(); });
}

}  // namespace ferlo
