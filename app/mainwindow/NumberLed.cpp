#include "app/mainwindow/NumberLed.h"

#include "app/mainwindow/WidgetParts.h"
#include "resources/SkinNames.h"

#include <cstdio>

namespace {

std::string DigitFileName(int index) {
    char name[16];
    if (index < 20)
        std::snprintf(name, sizeof name, "%02d.png", index);
    else
        std::snprintf(name, sizeof name, "Point%01d.png", index - 19);
    return name;
}

// Each set lives until the process ends: slots of every display share it.
std::vector<frame::Bitmap>& NewSharedTable() {
    return *new std::vector<frame::Bitmap>();
}

}  // namespace

NumberLed::~NumberLed() {
    if (m_image && m_image->Parent()) m_image->Parent()->RemoveControl(m_image);
}

void NumberLed::LoadImageTable() {
    std::vector<frame::Bitmap> table;
    for (int index = 0; index < SetSize(); ++index)
        table.push_back(LoadSkinPicture(DigitFileName(index).c_str(), FolderName()));
    ImageTable() = std::move(table);
}

void NumberLed::Init(frame::WinControl& owner, const std::string& name) {
    if (ImageTable().empty()) LoadImageTable();
    m_image = MakeNamedChild<kiln::LuImage>(owner, name);
    m_image->SetOpaque(true);
    m_image->SetAlphaChannel(true);
    Show(0);
}

void NumberLed::Show(int index) {
    if (index == m_index) return;
    m_index = index;
    std::vector<frame::Bitmap>& table = ImageTable();
    // The display shares the table's picture rather than holding a copy.
    if (index >= 0 && index < static_cast<int>(table.size()))
        m_image->Picture().Assign(table[static_cast<size_t>(index)]);
    else
        m_image->SetPicture(frame::Bitmap());
}

const char* LargeNumberLed::FolderName() const {
    return skin::folder::numbers;
}

std::vector<frame::Bitmap>& LargeNumberLed::ImageTable() const {
    static std::vector<frame::Bitmap>& table = NewSharedTable();
    return table;
}

const char* MiddleNumberLed::FolderName() const {
    return skin::folder::middleNumbers;
}

std::vector<frame::Bitmap>& MiddleNumberLed::ImageTable() const {
    static std::vector<frame::Bitmap>& table = NewSharedTable();
    return table;
}

const char* SmallNumberLed::FolderName() const {
    return skin::folder::smallNumbers;
}

std::vector<frame::Bitmap>& SmallNumberLed::ImageTable() const {
    static std::vector<frame::Bitmap>& table = NewSharedTable();
    return table;
}
