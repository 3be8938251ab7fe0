#include "FeatureFileCodec.h"
