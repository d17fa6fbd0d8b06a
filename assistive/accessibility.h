#pragma once

#include <QString>

class QAccessibleInterface;
class QWidget;

// What a picture shows, told in words when an assistive client asks.
class PictureDescription
{
public:
    virtual QString pictureDescription() const = 0;

protected:
    ~PictureDescription() = default;
};

// Makes the controls tell an assistive client what they are: fields are text
// that any client can read, select and copy, and result fields are read-only
// for every client, not only for the keyboard; the announcer tells the news.
// Installs once; later calls do nothing.
void installAccessibility();

// For the factory of the room that knows the window's classes: a window that
// shows only the controls a user can see, named by its title; a picture
// whose description tells what it shows.
QAccessibleInterface *windowAccessible(QWidget *window);
QAccessibleInterface *pictureAccessible(QWidget *picture, const PictureDescription &description);
