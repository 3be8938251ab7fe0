Feature: x
  Scenario: y
    Given z
  @ok
  # c

  @x @y
  @a b @c d

  Scenario: w
