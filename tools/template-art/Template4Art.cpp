#include "Painting.h"
namespace moxa::art {
std::vector<Picture> Template4Pictures() { return {}; }
}
