# language: ta
  மேலும் x
ஆனால் x
ஆனால்x
மேலும் 