// The three looks every picture is checked under: the light default, a dark desktop
// theme and a high-contrast theme.
#pragma once
#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <utility>
#include <vector>

inline QPalette darkPalette()
{
    QPalette p;
    const QColor window(0x22, 0x20, 0x20), text(0xee, 0xee, 0xec), base(0x1a, 0x18, 0x18), button(0x33, 0x31, 0x31);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, button);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Button, button);
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::BrightText, Qt::white);
        p.setColor(group, QPalette::ToolTipBase, button);
        p.setColor(group, QPalette::ToolTipText, text);
        p.setColor(group, QPalette::PlaceholderText, QColor(0x9a, 0x99, 0x96));
        p.setColor(group, QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
        p.setColor(group, QPalette::HighlightedText, Qt::white);
        p.setColor(group, QPalette::Link, QColor(0x78, 0xae, 0xed));
        p.setColor(group, QPalette::Light, QColor(0x45, 0x43, 0x43));
        p.setColor(group, QPalette::Midlight, QColor(0x3a, 0x38, 0x38));
        p.setColor(group, QPalette::Mid, QColor(0x2a, 0x28, 0x28));
        p.setColor(group, QPalette::Dark, QColor(0x12, 0x10, 0x10));
        p.setColor(group, QPalette::Shadow, Qt::black);
    }
    p.setColor(QPalette::Disabled, QPalette::Window, window);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    p.setColor(QPalette::Disabled, QPalette::Button, button);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(0x91, 0x91, 0x91));
    return p;
}

inline QPalette highContrastPalette()
{
    // White on black everywhere, strong colours for what stands out.
    QPalette p;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button,
                          QPalette::ToolTipBase, QPalette::Shadow, QPalette::Dark, QPalette::Mid})
            p.setColor(group, role, Qt::black);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText,
                          QPalette::ToolTipText, QPalette::Light, QPalette::Midlight, QPalette::PlaceholderText})
            p.setColor(group, role, Qt::white);
        p.setColor(group, QPalette::Highlight, QColor(0x1a, 0xeb, 0xff));
        p.setColor(group, QPalette::HighlightedText, Qt::black);
        p.setColor(group, QPalette::Link, QColor(0xff, 0xff, 0x00));
    }
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(0x3f, 0xf2, 0x3f));
    return p;
}

// The light default is the style's own palette.
inline std::vector<std::pair<const char*, QPalette>> testedPalettes()
{
    return {{"light", QApplication::style()->standardPalette()},
            {"dark", darkPalette()},
            {"high contrast", highContrastPalette()}};
}
