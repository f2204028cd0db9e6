// A window header: Qt is allowed here.
#pragma once

#include <QWidget>
