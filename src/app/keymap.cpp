#include "app/keymap.h"

#include <Qt>

#include "shell/input.h"

namespace vel {

int32_t VirtualKeyFor(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return vk::Letter(static_cast<char>('A' + (qtKey - Qt::Key_A)));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return vk::Letter(static_cast<char>('0' + (qtKey - Qt::Key_0)));
    switch (qtKey) {
        case Qt::Key_Space: return vk::Space;
        case Qt::Key_F1: return vk::F1;
        case Qt::Key_F2: return vk::F2;
        case Qt::Key_PageUp: return vk::PageUp;
        case Qt::Key_PageDown: return vk::PageDown;
        case Qt::Key_Up: return vk::Up;
        case Qt::Key_Down: return vk::Down;
        case Qt::Key_Left: return vk::Left;
        case Qt::Key_Right: return vk::Right;
        case Qt::Key_Shift: return vk::Shift;
        case Qt::Key_Plus:
        case Qt::Key_Equal: return vk::Plus;  // the key that carries "+" on most layouts
        case Qt::Key_Minus: return vk::Minus;
        case Qt::Key_Period: return vk::Period;
        case Qt::Key_Comma: return vk::Comma;
        default: return 0;
    }
}

}  // namespace vel
