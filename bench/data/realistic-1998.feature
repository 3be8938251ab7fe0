# A realistic shop feature file, repeated to fill the editor's analysed range.
@shop @regression
Feature: Shopping basket
  As a customer I want to keep items in a basket
  so that I can buy them together.

  Background:
    Given a registered customer
    And an empty basket

  @basket-1
  Scenario: Add item number 1 to the basket
    Given the basket holds 1 items
    And the price list is
      | item    | price | currency |
      | widget  | 1.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-2
  Scenario: Add item number 2 to the basket
    Given the basket holds 2 items
    And the price list is
      | item    | price | currency |
      | widget  | 2.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 3
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 3
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 3      | 27   |

  @basket-4
  Scenario: Add item number 4 to the basket
    Given the basket holds 4 items
    And the price list is
      | item    | price | currency |
      | widget  | 4.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-5
  Scenario: Add item number 5 to the basket
    Given the basket holds 5 items
    And the price list is
      | item    | price | currency |
      | widget  | 5.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 6
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 6
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 6      | 54   |

  @basket-7
  Scenario: Add item number 7 to the basket
    Given the basket holds 0 items
    And the price list is
      | item    | price | currency |
      | widget  | 7.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-8
  Scenario: Add item number 8 to the basket
    Given the basket holds 1 items
    And the price list is
      | item    | price | currency |
      | widget  | 8.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 9
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 9
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 9      | 81   |

  @basket-10
  Scenario: Add item number 10 to the basket
    Given the basket holds 3 items
    And the price list is
      | item    | price | currency |
      | widget  | 10.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Rule: Orders over the limit need approval
    The approver is the account owner.

  @basket-11
  Scenario: Add item number 11 to the basket
    Given the basket holds 4 items
    And the price list is
      | item    | price | currency |
      | widget  | 11.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 12
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 12
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 12      | 108   |

  @basket-13
  Scenario: Add item number 13 to the basket
    Given the basket holds 6 items
    And the price list is
      | item    | price | currency |
      | widget  | 0.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-14
  Scenario: Add item number 14 to the basket
    Given the basket holds 0 items
    And the price list is
      | item    | price | currency |
      | widget  | 1.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 15
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 15
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 15      | 135   |

  @basket-16
  Scenario: Add item number 16 to the basket
    Given the basket holds 2 items
    And the price list is
      | item    | price | currency |
      | widget  | 3.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-17
  Scenario: Add item number 17 to the basket
    Given the basket holds 3 items
    And the price list is
      | item    | price | currency |
      | widget  | 4.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 18
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 18
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 18      | 162   |

  @basket-19
  Scenario: Add item number 19 to the basket
    Given the basket holds 5 items
    And the price list is
      | item    | price | currency |
      | widget  | 6.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-20
  Scenario: Add item number 20 to the basket
    Given the basket holds 6 items
    And the price list is
      | item    | price | currency |
      | widget  | 7.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Rule: Orders over the limit need approval
    The approver is the account owner.

  Scenario Outline: Discount tier 21
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 21
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 21      | 189   |

  @basket-22
  Scenario: Add item number 22 to the basket
    Given the basket holds 1 items
    And the price list is
      | item    | price | currency |
      | widget  | 9.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-23
  Scenario: Add item number 23 to the basket
    Given the basket holds 2 items
    And the price list is
      | item    | price | currency |
      | widget  | 10.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 24
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 24
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 24      | 216   |

  @basket-25
  Scenario: Add item number 25 to the basket
    Given the basket holds 4 items
    And the price list is
      | item    | price | currency |
      | widget  | 12.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-26
  Scenario: Add item number 26 to the basket
    Given the basket holds 5 items
    And the price list is
      | item    | price | currency |
      | widget  | 0.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 27
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 27
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 27      | 243   |

  @basket-28
  Scenario: Add item number 28 to the basket
    Given the basket holds 0 items
    And the price list is
      | item    | price | currency |
      | widget  | 2.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-29
  Scenario: Add item number 29 to the basket
    Given the basket holds 1 items
    And the price list is
      | item    | price | currency |
      | widget  | 3.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 30
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 30
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 30      | 270   |

  Rule: Orders over the limit need approval
    The approver is the account owner.

  @basket-31
  Scenario: Add item number 31 to the basket
    Given the basket holds 3 items
    And the price list is
      | item    | price | currency |
      | widget  | 5.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-32
  Scenario: Add item number 32 to the basket
    Given the basket holds 4 items
    And the price list is
      | item    | price | currency |
      | widget  | 6.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 33
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 33
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 33      | 297   |

  @basket-34
  Scenario: Add item number 34 to the basket
    Given the basket holds 6 items
    And the price list is
      | item    | price | currency |
      | widget  | 8.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-35
  Scenario: Add item number 35 to the basket
    Given the basket holds 0 items
    And the price list is
      | item    | price | currency |
      | widget  | 9.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 36
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 36
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 36      | 324   |

  @basket-37
  Scenario: Add item number 37 to the basket
    Given the basket holds 2 items
    And the price list is
      | item    | price | currency |
      | widget  | 11.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-38
  Scenario: Add item number 38 to the basket
    Given the basket holds 3 items
    And the price list is
      | item    | price | currency |
      | widget  | 12.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 39
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 39
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 39      | 351   |

  @basket-40
  Scenario: Add item number 40 to the basket
    Given the basket holds 5 items
    And the price list is
      | item    | price | currency |
      | widget  | 1.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Rule: Orders over the limit need approval
    The approver is the account owner.

  @basket-41
  Scenario: Add item number 41 to the basket
    Given the basket holds 6 items
    And the price list is
      | item    | price | currency |
      | widget  | 2.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 42
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 42
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 42      | 378   |

  @basket-43
  Scenario: Add item number 43 to the basket
    Given the basket holds 1 items
    And the price list is
      | item    | price | currency |
      | widget  | 4.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-44
  Scenario: Add item number 44 to the basket
    Given the basket holds 2 items
    And the price list is
      | item    | price | currency |
      | widget  | 5.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 45
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 45
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 45      | 405   |

  @basket-46
  Scenario: Add item number 46 to the basket
    Given the basket holds 4 items
    And the price list is
      | item    | price | currency |
      | widget  | 7.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-47
  Scenario: Add item number 47 to the basket
    Given the basket holds 5 items
    And the price list is
      | item    | price | currency |
      | widget  | 8.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 48
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 48
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 48      | 432   |

  @basket-49
  Scenario: Add item number 49 to the basket
    Given the basket holds 0 items
    And the price list is
      | item    | price | currency |
      | widget  | 10.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-50
  Scenario: Add item number 50 to the basket
    Given the basket holds 1 items
    And the price list is
      | item    | price | currency |
      | widget  | 11.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Rule: Orders over the limit need approval
    The approver is the account owner.

  Scenario Outline: Discount tier 51
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 51
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 51      | 459   |

  @basket-52
  Scenario: Add item number 52 to the basket
    Given the basket holds 3 items
    And the price list is
      | item    | price | currency |
      | widget  | 0.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-53
  Scenario: Add item number 53 to the basket
    Given the basket holds 4 items
    And the price list is
      | item    | price | currency |
      | widget  | 1.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 54
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 54
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 54      | 486   |

  @basket-55
  Scenario: Add item number 55 to the basket
    Given the basket holds 6 items
    And the price list is
      | item    | price | currency |
      | widget  | 3.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-56
  Scenario: Add item number 56 to the basket
    Given the basket holds 0 items
    And the price list is
      | item    | price | currency |
      | widget  | 4.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 57
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 57
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 57      | 513   |

  @basket-58
  Scenario: Add item number 58 to the basket
    Given the basket holds 2 items
    And the price list is
      | item    | price | currency |
      | widget  | 6.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-59
  Scenario: Add item number 59 to the basket
    Given the basket holds 3 items
    And the price list is
      | item    | price | currency |
      | widget  | 7.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 60
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 60
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 60      | 540   |

  Rule: Orders over the limit need approval
    The approver is the account owner.

  @basket-61
  Scenario: Add item number 61 to the basket
    Given the basket holds 5 items
    And the price list is
      | item    | price | currency |
      | widget  | 9.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-62
  Scenario: Add item number 62 to the basket
    Given the basket holds 6 items
    And the price list is
      | item    | price | currency |
      | widget  | 10.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 63
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 63
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 63      | 567   |

  @basket-64
  Scenario: Add item number 64 to the basket
    Given the basket holds 1 items
    And the price list is
      | item    | price | currency |
      | widget  | 12.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-65
  Scenario: Add item number 65 to the basket
    Given the basket holds 2 items
    And the price list is
      | item    | price | currency |
      | widget  | 0.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 66
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 66
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 66      | 594   |

  @basket-67
  Scenario: Add item number 67 to the basket
    Given the basket holds 4 items
    And the price list is
      | item    | price | currency |
      | widget  | 2.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-68
  Scenario: Add item number 68 to the basket
    Given the basket holds 5 items
    And the price list is
      | item    | price | currency |
      | widget  | 3.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 69
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 69
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 69      | 621   |

  @basket-70
  Scenario: Add item number 70 to the basket
    Given the basket holds 0 items
    And the price list is
      | item    | price | currency |
      | widget  | 5.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Rule: Orders over the limit need approval
    The approver is the account owner.

  @basket-71
  Scenario: Add item number 71 to the basket
    Given the basket holds 1 items
    And the price list is
      | item    | price | currency |
      | widget  | 6.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 72
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 72
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 72      | 648   |

  @basket-73
  Scenario: Add item number 73 to the basket
    Given the basket holds 3 items
    And the price list is
      | item    | price | currency |
      | widget  | 8.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-74
  Scenario: Add item number 74 to the basket
    Given the basket holds 4 items
    And the price list is
      | item    | price | currency |
      | widget  | 9.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 75
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 75
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 75      | 675   |

  @basket-76
  Scenario: Add item number 76 to the basket
    Given the basket holds 6 items
    And the price list is
      | item    | price | currency |
      | widget  | 11.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-77
  Scenario: Add item number 77 to the basket
    Given the basket holds 0 items
    And the price list is
      | item    | price | currency |
      | widget  | 12.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 78
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 78
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 78      | 702   |

  @basket-79
  Scenario: Add item number 79 to the basket
    Given the basket holds 2 items
    And the price list is
      | item    | price | currency |
      | widget  | 1.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-80
  Scenario: Add item number 80 to the basket
    Given the basket holds 3 items
    And the price list is
      | item    | price | currency |
      | widget  | 2.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Rule: Orders over the limit need approval
    The approver is the account owner.

  Scenario Outline: Discount tier 81
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 81
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 81      | 729   |

  @basket-82
  Scenario: Add item number 82 to the basket
    Given the basket holds 5 items
    And the price list is
      | item    | price | currency |
      | widget  | 4.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-83
  Scenario: Add item number 83 to the basket
    Given the basket holds 6 items
    And the price list is
      | item    | price | currency |
      | widget  | 5.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 84
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 84
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 84      | 756   |

  @basket-85
  Scenario: Add item number 85 to the basket
    Given the basket holds 1 items
    And the price list is
      | item    | price | currency |
      | widget  | 7.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-86
  Scenario: Add item number 86 to the basket
    Given the basket holds 2 items
    And the price list is
      | item    | price | currency |
      | widget  | 8.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 87
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 87
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 87      | 783   |

  @basket-88
  Scenario: Add item number 88 to the basket
    Given the basket holds 4 items
    And the price list is
      | item    | price | currency |
      | widget  | 10.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-89
  Scenario: Add item number 89 to the basket
    Given the basket holds 5 items
    And the price list is
      | item    | price | currency |
      | widget  | 11.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 90
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 90
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 90      | 810   |

  Rule: Orders over the limit need approval
    The approver is the account owner.

  @basket-91
  Scenario: Add item number 91 to the basket
    Given the basket holds 0 items
    And the price list is
      | item    | price | currency |
      | widget  | 0.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-92
  Scenario: Add item number 92 to the basket
    Given the basket holds 1 items
    And the price list is
      | item    | price | currency |
      | widget  | 1.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 93
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 93
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 93      | 837   |

  @basket-94
  Scenario: Add item number 94 to the basket
    Given the basket holds 3 items
    And the price list is
      | item    | price | currency |
      | widget  | 3.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-95
  Scenario: Add item number 95 to the basket
    Given the basket holds 4 items
    And the price list is
      | item    | price | currency |
      | widget  | 4.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 96
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 96
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 96      | 864   |

  @basket-97
  Scenario: Add item number 97 to the basket
    Given the basket holds 6 items
    And the price list is
      | item    | price | currency |
      | widget  | 6.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-98
  Scenario: Add item number 98 to the basket
    Given the basket holds 0 items
    And the price list is
      | item    | price | currency |
      | widget  | 7.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 99
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 99
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 99      | 891   |

  @basket-100
  Scenario: Add item number 100 to the basket
    Given the basket holds 2 items
    And the price list is
      | item    | price | currency |
      | widget  | 9.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Rule: Orders over the limit need approval
    The approver is the account owner.

  @basket-101
  Scenario: Add item number 101 to the basket
    Given the basket holds 3 items
    And the price list is
      | item    | price | currency |
      | widget  | 10.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 102
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 102
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 102      | 918   |

  @basket-103
  Scenario: Add item number 103 to the basket
    Given the basket holds 5 items
    And the price list is
      | item    | price | currency |
      | widget  | 12.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-104
  Scenario: Add item number 104 to the basket
    Given the basket holds 6 items
    And the price list is
      | item    | price | currency |
      | widget  | 0.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 105
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 105
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 105      | 945   |

  @basket-106
  Scenario: Add item number 106 to the basket
    Given the basket holds 1 items
    And the price list is
      | item    | price | currency |
      | widget  | 2.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-107
  Scenario: Add item number 107 to the basket
    Given the basket holds 2 items
    And the price list is
      | item    | price | currency |
      | widget  | 3.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 108
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 108
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 108      | 972   |

  @basket-109
  Scenario: Add item number 109 to the basket
    Given the basket holds 4 items
    And the price list is
      | item    | price | currency |
      | widget  | 5.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-110
  Scenario: Add item number 110 to the basket
    Given the basket holds 5 items
    And the price list is
      | item    | price | currency |
      | widget  | 6.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Rule: Orders over the limit need approval
    The approver is the account owner.

  Scenario Outline: Discount tier 111
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 111
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 111      | 999   |

  @basket-112
  Scenario: Add item number 112 to the basket
    Given the basket holds 0 items
    And the price list is
      | item    | price | currency |
      | widget  | 8.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-113
  Scenario: Add item number 113 to the basket
    Given the basket holds 1 items
    And the price list is
      | item    | price | currency |
      | widget  | 9.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 114
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 114
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 114      | 1026   |

  @basket-115
  Scenario: Add item number 115 to the basket
    Given the basket holds 3 items
    And the price list is
      | item    | price | currency |
      | widget  | 11.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-116
  Scenario: Add item number 116 to the basket
    Given the basket holds 4 items
    And the price list is
      | item    | price | currency |
      | widget  | 12.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 117
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 117
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 117      | 1053   |

  @basket-118
  Scenario: Add item number 118 to the basket
    Given the basket holds 6 items
    And the price list is
      | item    | price | currency |
      | widget  | 1.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-119
  Scenario: Add item number 119 to the basket
    Given the basket holds 0 items
    And the price list is
      | item    | price | currency |
      | widget  | 2.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 120
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 120
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 120      | 1080   |

  Rule: Orders over the limit need approval
    The approver is the account owner.

  @basket-121
  Scenario: Add item number 121 to the basket
    Given the basket holds 2 items
    And the price list is
      | item    | price | currency |
      | widget  | 4.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-122
  Scenario: Add item number 122 to the basket
    Given the basket holds 3 items
    And the price list is
      | item    | price | currency |
      | widget  | 5.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 123
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 123
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 123      | 1107   |

  @basket-124
  Scenario: Add item number 124 to the basket
    Given the basket holds 5 items
    And the price list is
      | item    | price | currency |
      | widget  | 7.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-125
  Scenario: Add item number 125 to the basket
    Given the basket holds 6 items
    And the price list is
      | item    | price | currency |
      | widget  | 8.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 126
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 126
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 126      | 1134   |

  @basket-127
  Scenario: Add item number 127 to the basket
    Given the basket holds 1 items
    And the price list is
      | item    | price | currency |
      | widget  | 10.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-128
  Scenario: Add item number 128 to the basket
    Given the basket holds 2 items
    And the price list is
      | item    | price | currency |
      | widget  | 11.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 129
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 129
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 129      | 1161   |

  @basket-130
  Scenario: Add item number 130 to the basket
    Given the basket holds 4 items
    And the price list is
      | item    | price | currency |
      | widget  | 0.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Rule: Orders over the limit need approval
    The approver is the account owner.

  @basket-131
  Scenario: Add item number 131 to the basket
    Given the basket holds 5 items
    And the price list is
      | item    | price | currency |
      | widget  | 1.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 132
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 132
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 132      | 1188   |

  @basket-133
  Scenario: Add item number 133 to the basket
    Given the basket holds 0 items
    And the price list is
      | item    | price | currency |
      | widget  | 3.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-134
  Scenario: Add item number 134 to the basket
    Given the basket holds 1 items
    And the price list is
      | item    | price | currency |
      | widget  | 4.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 135
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 135
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 135      | 1215   |

  @basket-136
  Scenario: Add item number 136 to the basket
    Given the basket holds 3 items
    And the price list is
      | item    | price | currency |
      | widget  | 6.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-137
  Scenario: Add item number 137 to the basket
    Given the basket holds 4 items
    And the price list is
      | item    | price | currency |
      | widget  | 7.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 138
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 138
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 138      | 1242   |

  @basket-139
  Scenario: Add item number 139 to the basket
    Given the basket holds 6 items
    And the price list is
      | item    | price | currency |
      | widget  | 9.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-140
  Scenario: Add item number 140 to the basket
    Given the basket holds 0 items
    And the price list is
      | item    | price | currency |
      | widget  | 10.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Rule: Orders over the limit need approval
    The approver is the account owner.

  Scenario Outline: Discount tier 141
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 141
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 141      | 1269   |

  @basket-142
  Scenario: Add item number 142 to the basket
    Given the basket holds 2 items
    And the price list is
      | item    | price | currency |
      | widget  | 12.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-143
  Scenario: Add item number 143 to the basket
    Given the basket holds 3 items
    And the price list is
      | item    | price | currency |
      | widget  | 0.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 144
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 144
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 144      | 1296   |

  @basket-145
  Scenario: Add item number 145 to the basket
    Given the basket holds 5 items
    And the price list is
      | item    | price | currency |
      | widget  | 2.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 1 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-146
  Scenario: Add item number 146 to the basket
    Given the basket holds 6 items
    And the price list is
      | item    | price | currency |
      | widget  | 3.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 147
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 147
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 147      | 1323   |

  @basket-148
  Scenario: Add item number 148 to the basket
    Given the basket holds 1 items
    And the price list is
      | item    | price | currency |
      | widget  | 5.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 4 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-149
  Scenario: Add item number 149 to the basket
    Given the basket holds 2 items
    And the price list is
      | item    | price | currency |
      | widget  | 6.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 5 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 150
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 150
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 150      | 1350   |

  Rule: Orders over the limit need approval
    The approver is the account owner.

  @basket-151
  Scenario: Add item number 151 to the basket
    Given the basket holds 4 items
    And the price list is
      | item    | price | currency |
      | widget  | 8.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 2 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  @basket-152
  Scenario: Add item number 152 to the basket
    Given the basket holds 5 items
    And the price list is
      | item    | price | currency |
      | widget  | 9.50 | EUR      |
      | gadget  | 3.25  | EUR      |
    When I add 3 widgets
    Then the basket holds more items
    But the total stays below the limit
    # the limit comes from the account settings

  Scenario Outline: Discount tier 153
    Given an order of <quantity> items
    When the discount is computed
    Then the customer pays <total>
      """
      Receipt 153
        quantity and total as computed
      """

    Examples:
      | quantity | total |
      | 1        | 10    |
      | 153      | 1377   |

  @basket-154
  Scenario: Add item number 154 to the basket
    Given the basket holds 0 items
    And the price list is
      | item    | price | currency |
