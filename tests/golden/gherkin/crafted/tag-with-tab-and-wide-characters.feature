Feature: x
  @a	b
  @😐 @a b
  Scenario: y
    Given z
  @ 
  @a b
  Scenario: w
