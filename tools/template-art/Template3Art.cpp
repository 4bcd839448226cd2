#include "Painting.h"
namespace moxa::art {
std::vector<Picture> Template3Pictures() { return {}; }
}
