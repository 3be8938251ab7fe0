# language: en-old
Tha the x
Tha x
7 x
